// Exports of dump mode and the log: into, scan, exit, dump, erase.
#include "devicelib/DeviceLibContract.h"

#include "EmulatorInstance.h"
#include "ExportGuard.h"
#include "ResultCode.h"
#include "TextConversion.h"

using namespace orlog7emu;

extern "C" {

Orlog7Result ORLOG7_CALL KZ_ORLOG7_INTO_DUMP_MODE(Orlog7Port port) {
    return OnTheLogger(code::kCannotIntoDumpMode, code::kCannotIntoDumpMode,
                       [&](VirtualLogger& logger) { return logger.IntoDumpMode(port); });
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_AUTO_INTO_DUMP_MODE(int32_t* scannedPort) {
    return OnTheLogger(code::kCannotIntoDumpMode, code::kCannotIntoDumpMode,
                       [&](VirtualLogger& logger) {
                           int32_t found = 0;
                           const int32_t result = logger.AutoIntoDumpMode(found);
                           if (scannedPort != nullptr && result == code::kIntoDumpModeSuccessful) {
                               *scannedPort = found;
                           }
                           return result;
                       });
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_EXIT_DUMP_MODE(void) {
    return OnTheLogger(kUnlistedFailure, kUnlistedFailure,
                       [&](VirtualLogger& logger) { return logger.ExitDumpMode(); });
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_DUMP_DB(Orlog7Port port, const char* dumpFilePath) {
    return OnTheLogger(
        code::kPcNotEnoughMemory, code::kCannotBuildDumpFile,
        [&](VirtualLogger& logger) { return logger.DumpLog(port, CodePageToUtf8(dumpFilePath)); });
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_ERASE_All_DB(Orlog7Port port) {
    return OnTheLogger(code::kDeviceNotReport, code::kDeviceNotReport,
                       [&](VirtualLogger& logger) { return logger.EraseLog(port); });
}

}  // extern "C"
