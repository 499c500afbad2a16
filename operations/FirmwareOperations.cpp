// The firmware image: read the version it holds, and upgrade the logger
// from it. The library opens and checks the file; the tool passes the path.
#include "operations/Operations.h"
#include "operations/StatusFields.h"

namespace vantrel {
namespace {

// Always this path, whatever drive the label beside the button names.
constexpr const char* kFirmwareImagePath = "g:\\abcd\\binfile\\ORLOG7_Encode.Bin";

}  // namespace

void ReadBinFileFirmwareVersion(const OperationContext& ctx) {
    BinFileVersionBuffer version = {};
    RunOperation<Export::ReadBinFileFwVersion>(
        ctx, [&](auto readVersion) { return readVersion(version, kFirmwareImagePath); },
        [&] { return std::vector<FieldText>{BinFileVersionField(version)}; });
}

void UpgradeFirmware(const OperationContext& ctx) {
    RunOperation<Export::FwUpgrade>(
        ctx, [&](auto upgrade, uint8_t port) { return upgrade(port, kFirmwareImagePath); });
}

}  // namespace vantrel
