// Dump mode in and out, and the two operations on the log memory.
#include <string>

#include "../res/resource.h"
#include "Operations.h"

namespace vantrel {
namespace {

// The dump always goes here, whatever the label beside the button says.
constexpr const char* kDumpFilePath = "g:\\abcd\\123456.dat";

constexpr int32_t kIntoDumpModeCodes[] = {3, 4, 24};
constexpr int32_t kExitDumpModeCodes[] = {25};
constexpr int32_t kDumpCodes[] = {26, 5, 6, 7, 8, 9, 10, 11, 12, 2};
constexpr int32_t kEraseCodes[] = {26, 12, 13};

constexpr int32_t kOpenPortError = 3;
constexpr int32_t kCanNotIntoDumpMode = 4;

}  // namespace

void IntoDumpMode(const OperationContext& ctx) {
    auto into = RequireEntryPoint<Export::IntoDumpMode>(ctx);
    if (into == nullptr) {
        return;
    }
    const uint8_t port = ReadPortIndex(ctx.window);
    const int32_t result = CallLibrary(ctx.window, [&] { return into(port); });
    ShowListedResult(ctx.window, kIntoDumpModeCodes, result);
}

void AutoIntoDumpMode(const OperationContext& ctx) {
    auto autoInto = RequireEntryPoint<Export::AutoIntoDumpMode>(ctx);
    if (autoInto == nullptr) {
        return;
    }
    int32_t scannedPort = 0;
    const int32_t result = CallLibrary(ctx.window, [&] { return autoInto(&scannedPort); });
    ShowListedResult(ctx.window, kIntoDumpModeCodes, result);
    // A failed scan reports no port, whatever the library wrote; any other
    // result (success or unlisted) reports the port it found, if any.
    if (result == kOpenPortError || result == kCanNotIntoDumpMode || scannedPort == 0) {
        return;
    }
    ctx.window.SetFieldText(IDC_AUTO_SCAN_PORT,
                            "( Auto Scan to COM " + std::to_string(scannedPort) + " )");
}

void ExitDumpMode(const OperationContext& ctx) {
    auto exitDumpMode = RequireEntryPoint<Export::ExitDumpMode>(ctx);
    if (exitDumpMode == nullptr) {
        return;
    }
    const int32_t result = CallLibrary(ctx.window, [&] { return exitDumpMode(); });
    ShowListedResult(ctx.window, kExitDumpModeCodes, result);
}

void DumpLogData(const OperationContext& ctx) {
    auto dump = RequireEntryPoint<Export::DumpDb>(ctx);
    if (dump == nullptr) {
        return;
    }
    const uint8_t port = ReadPortIndex(ctx.window);
    const int32_t result = CallLibrary(ctx.window, [&] { return dump(port, kDumpFilePath); });
    ShowListedResult(ctx.window, kDumpCodes, result);
}

void EraseAllData(const OperationContext& ctx) {
    auto erase = RequireEntryPoint<Export::EraseAllDb>(ctx);
    if (erase == nullptr) {
        return;
    }
    const uint8_t port = ReadPortIndex(ctx.window);
    const int32_t result = CallLibrary(ctx.window, [&] { return erase(port); });
    ShowListedResult(ctx.window, kEraseCodes, result);
}

}  // namespace vantrel
