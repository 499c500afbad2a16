// Exports of the status readouts: library version, device information, GPS
// time, memory use.
#include "devicelib/DeviceLibContract.h"

#include "EmulatorInstance.h"
#include "ExportGuard.h"
#include "ResultCode.h"
#include "TextConversion.h"

using namespace orlog7emu;

extern "C" {

Orlog7Result ORLOG7_CALL KZ_ORLOG7_READ_DLL_VERSION(char* version) {
    // Needs no logger: the library answers by itself.
    const ExportLock serialized;
    return Guarded(kUnlistedFailure, kUnlistedFailure, [&] {
        CopyText(version, ORLOG7_DLL_VERSION_SIZE, kDllVersionText);
        return code::kReadDllVersionSuccessful;
    });
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_READ_DEVICE_INFORMATION(Orlog7Port port, uint32_t* serialNumber,
                                                           char* firmwareVersion,
                                                           char* distributorName, char* modelName) {
    return OnTheLogger(
        code::kCannotReadDeviceInfo, code::kCannotReadDeviceInfo, [&](VirtualLogger& logger) {
            DeviceInfo info;
            const int32_t result = logger.ReadDeviceInfo(port, info);
            if (result != code::kReadDeviceInfoSuccessful) {
                return result;
            }
            if (serialNumber != nullptr) {
                *serialNumber = info.serialNumber;
            }
            CopyText(firmwareVersion, ORLOG7_FW_VERSION_SIZE, info.firmwareVersion);
            CopyText(distributorName, ORLOG7_DISTRIBUTOR_NAME_SIZE, info.distributorName);
            CopyText(modelName, ORLOG7_MODEL_NAME_SIZE, info.modelName);
            return result;
        });
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_READ_GPS_UTC_TIME_DATE(uint8_t* hour, uint8_t* minute,
                                                          uint8_t* second, uint8_t* year,
                                                          uint8_t* month, uint8_t* day) {
    return OnTheLogger(code::kGpsTimeInvalid, code::kGpsTimeInvalid, [&](VirtualLogger& logger) {
        UtcDateTime t{};
        const int32_t result = logger.ReadGpsTime(t);
        if (result != code::kGpsTimeSuccessful) {
            return result;
        }
        auto put = [](uint8_t* out, int32_t value) {
            if (out != nullptr) {
                *out = static_cast<uint8_t>(value);
            }
        };
        put(hour, t.hour);
        put(minute, t.minute);
        put(second, t.second);
        put(year, t.year - 2000);  // the receiver's two-digit year
        put(month, t.month);
        put(day, t.day);
        return result;
    });
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_READ_MEMORY_USED_SIZE(int32_t* usedSize) {
    return OnTheLogger(code::kDeviceNotReport, code::kDeviceNotReport, [&](VirtualLogger& logger) {
        int32_t used = 0;
        const int32_t result = logger.ReadMemoryUsed(used);
        if (result == code::kReadMemoryUsedSuccessful && usedSize != nullptr) {
            *usedSize = used;
        }
        return result;
    });
}

}  // extern "C"
