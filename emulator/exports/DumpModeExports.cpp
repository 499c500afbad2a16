// Exports of dump mode and the log: into, scan, exit, dump, erase.
#include "devicelib/DeviceLibContract.h"

#include "EmulatorInstance.h"
#include "ExportGuard.h"
#include "ResultCode.h"
#include "TextConversion.h"

using namespace orlog7emu;

extern "C" {

Orlog7Result ORLOG7_CALL KZ_ORLOG7_INTO_DUMP_MODE(Orlog7Port port) {
    return Guarded(code::kCannotIntoDumpMode, code::kCannotIntoDumpMode,
                   [&] { return TheLogger().IntoDumpMode(port); });
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_AUTO_INTO_DUMP_MODE(int32_t* scannedPort) {
    return Guarded(code::kCannotIntoDumpMode, code::kCannotIntoDumpMode, [&] {
        int32_t found = 0;
        const int32_t result = TheLogger().AutoIntoDumpMode(found);
        if (scannedPort != nullptr && result == code::kIntoDumpModeSuccessful) {
            *scannedPort = found;
        }
        return result;
    });
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_EXIT_DUMP_MODE(void) {
    return Guarded(kUnlistedFailure, kUnlistedFailure, [&] { return TheLogger().ExitDumpMode(); });
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_DUMP_DB(Orlog7Port port, const char* dumpFilePath) {
    return Guarded(code::kPcNotEnoughMemory, code::kCannotBuildDumpFile,
                   [&] { return TheLogger().DumpLog(port, CodePageToUtf8(dumpFilePath)); });
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_ERASE_All_DB(Orlog7Port port) {
    return Guarded(code::kDeviceNotReport, code::kDeviceNotReport,
                   [&] { return TheLogger().EraseLog(port); });
}

}  // extern "C"
