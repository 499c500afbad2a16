// Dump mode in and out, and the two operations on the log memory.
#include "operations/Operations.h"
#include "operations/StatusFields.h"

namespace vantrel {
namespace {

// The dump always goes here, whatever the label beside the button says.
constexpr const char* kDumpFilePath = "g:\\abcd\\123456.dat";

}  // namespace

void IntoDumpMode(const OperationContext& ctx) {
    RunOperation<Export::IntoDumpMode>(ctx, [](auto into, uint8_t port) { return into(port); });
}

void AutoIntoDumpMode(const OperationContext& ctx) {
    int32_t scannedPort = 0;
    RunOperation<Export::AutoIntoDumpMode>(
        ctx, [&](auto autoInto) { return autoInto(&scannedPort); },
        [&] {
            // Port 0 is no port found: the field keeps its text, even on success.
            if (scannedPort == 0) {
                return std::vector<FieldText>();
            }
            return std::vector<FieldText>{AutoScanPortField(scannedPort)};
        });
}

void ExitDumpMode(const OperationContext& ctx) {
    RunOperation<Export::ExitDumpMode>(ctx, [](auto exitDumpMode) { return exitDumpMode(); });
}

void DumpLogData(const OperationContext& ctx) {
    RunOperation<Export::DumpDb>(ctx,
                                 [](auto dump, uint8_t port) { return dump(port, kDumpFilePath); });
}

void EraseAllData(const OperationContext& ctx) {
    RunOperation<Export::EraseAllDb>(ctx, [](auto erase, uint8_t port) { return erase(port); });
}

}  // namespace vantrel
