// Exports of the firmware image: version read and upgrade.
#include "devicelib/DeviceLibContract.h"

#include "EmulatorInstance.h"
#include "ExportGuard.h"
#include "ResultCode.h"
#include "TextConversion.h"

using namespace orlog7emu;

extern "C" {

Orlog7Result ORLOG7_CALL KZ_ORLOG7_Read_BinFile_FW_Version(char* version, const char* imagePath) {
    return OnTheLogger(
        code::kPcNotEnoughMemory, code::kCannotOpenBinFile, [&](VirtualLogger& logger) {
            std::string text;
            const int32_t result = logger.ReadImageVersion(CodePageToUtf8(imagePath), text);
            if (result == code::kReadBinFileVersionSuccessful) {
                CopyText(version, ORLOG7_BIN_FILE_VERSION_SIZE, text);
            }
            return result;
        });
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_FW_UPGRADE(Orlog7Port port, const char* imagePath) {
    return OnTheLogger(code::kPcNotEnoughMemory, code::kCannotOpenBinFile,
                       [&](VirtualLogger& logger) {
                           return logger.UpgradeFirmware(port, CodePageToUtf8(imagePath));
                       });
}

}  // extern "C"
