// Setting the logger's serial number from the text the user typed.
#include <string>

#include "operations/Operations.h"
#include "operations/SerialNumber.h"

namespace vantrel {
namespace {

// The text as a serial number, or false when it is not one we will send.
// A text longer than the limit is refused whole: cutting it would assign a
// number other than the one typed. The limit is counted in UTF-8 bytes: a
// text it refuses that has no more characters than the limit holds a
// non-ASCII character, which the conversion would refuse anyway.
bool ReadSerialNumber(OperationWindow& window, uint32_t* serialNumber) {
    const std::string text = window.SerialNumberText();
    if (text.size() > kSerialNumberTextLimit) {
        return false;
    }
    return ParseSerialNumber(serialNumber, text.data(), static_cast<uint32_t>(text.size()));
}

}  // namespace

void SetSerialNumber(const OperationContext& ctx) {
    // The text is checked before the entry point, so a bad text is reported
    // even when the library is not linked.
    uint32_t serialNumber = 0;
    if (!ReadSerialNumber(ctx.window, &serialNumber)) {
        ctx.window.ShowMessage(kSerialNumberError, kInfoCaption, BoxOwner::MainWindow);
        return;
    }
    RunOperation<Export::SettingSn>(ctx, [&](auto settingSn) { return settingSn(serialNumber); });
}

}  // namespace vantrel
