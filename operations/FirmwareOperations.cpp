// The firmware image: read the version it holds, and upgrade the logger
// from it. The library opens and checks the file; the tool passes the path.
#include "Operations.h"
#include "StatusFields.h"

namespace vantrel {
namespace {

// Always this path, whatever drive the label beside the button names.
constexpr const char* kFirmwareImagePath = "g:\\abcd\\binfile\\ORLOG7_Encode.Bin";

constexpr int32_t kBinFileVersionFailures[] = {5, 31, 32, 33, 34, 36};
constexpr int32_t kBinFileVersionSuccess[] = {37};
constexpr int32_t kUpgradeCodes[] = {5, 26, 31, 32, 33, 34, 36, 35};
constexpr int32_t kUpgradeSuccessful = 35;

}  // namespace

void ReadBinFileFirmwareVersion(const OperationContext& ctx) {
    auto readVersion = RequireEntryPoint<Export::ReadBinFileFwVersion>(ctx);
    if (readVersion == nullptr) {
        return;
    }
    BinFileVersionBuffer version = {};
    const int32_t result =
        CallLibrary(ctx.window, [&] { return readVersion(version, kFirmwareImagePath); });
    if (ShowListedResult(ctx.window, kBinFileVersionFailures, result)) {
        return;
    }
    if (!CodeList(kBinFileVersionSuccess).Contains(result)) {
        return;  // not this operation's code: the field keeps its text
    }
    // The report is in place while the success box is open.
    WriteFields(ctx.window, {BinFileVersionField(version)});
    ShowListedResult(ctx.window, kBinFileVersionSuccess, result);
}

void UpgradeFirmware(const OperationContext& ctx) {
    auto upgrade = RequireEntryPoint<Export::FwUpgrade>(ctx);
    if (upgrade == nullptr) {
        return;
    }
    const uint8_t port = ReadPortIndex(ctx.window);
    const int32_t result =
        CallLibrary(ctx.window, [&] { return upgrade(port, kFirmwareImagePath); });
    ShowListedResult(ctx.window, kUpgradeCodes, result);
    if (result == kUpgradeSuccessful) {
        ShowResult(ctx.window, kUpgradeFinished);
    }
}

}  // namespace vantrel
