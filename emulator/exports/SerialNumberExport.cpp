// Export of the serial-number assignment.
#include "devicelib/DeviceLibContract.h"

#include "EmulatorInstance.h"
#include "ExportGuard.h"
#include "ResultCode.h"

using namespace orlog7emu;

extern "C" {

Orlog7Result ORLOG7_CALL KZ_ORLOG7_Setting_SN(uint32_t serialNumber) {
    return OnTheLogger(code::kDeviceNotReport, code::kDeviceNotReport,
                       [&](VirtualLogger& logger) { return logger.SetSerialNumber(serialNumber); });
}

}  // extern "C"
