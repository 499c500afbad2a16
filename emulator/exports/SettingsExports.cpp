// Exports of the settings write and readback.
#include <cstring>

#include "devicelib/DeviceLibContract.h"

#include "EmulatorInstance.h"
#include "ExportGuard.h"
#include "ResultCode.h"
#include "TextConversion.h"

using namespace orlog7emu;

extern "C" {

Orlog7Result ORLOG7_CALL KZ_ORLOG7_SETTING_DEVICE(
    Orlog7Port port, int32_t timeInterval, int32_t displacementInterval, uint8_t vibration,
    uint8_t tag, const char* waveFilePath, uint8_t minSpeedLimit, const UserPoint* userPoints,
    uint8_t intoIdleTimer, uint8_t tagMode, int8_t timeZone, uint8_t carSpeedLimit) {
    return OnTheLogger(code::kPcNotEnoughMemory, code::kSettingFail, [&](VirtualLogger& logger) {
        LoggerSettings s{};
        s.timeInterval = timeInterval;
        s.displacementInterval = displacementInterval;
        s.vibration = vibration;
        s.tag = tag;
        s.minSpeedLimit = minSpeedLimit;
        if (userPoints != nullptr) {
            std::memcpy(s.userPoints.data(), userPoints,
                        sizeof(UserPointTable));  // the caller's table lives for this call only
        }
        s.intoIdleTimer = intoIdleTimer;
        s.tagMode = tagMode;
        s.timeZone = timeZone;
        s.carSpeedLimit = carSpeedLimit;
        return logger.WriteSettings(port, s, CodePageToUtf8(waveFilePath), userPoints != nullptr);
    });
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_READ_SETTING_VALUE(
    Orlog7Port port, int32_t* timeInterval, int32_t* displacementInterval, uint8_t* vibration,
    uint8_t* tag, uint32_t* minSpeedLimit, UserPoint* userPoints, uint32_t* intoIdleTimer,
    uint8_t* tagMode, int8_t* timeZone, uint32_t* carSpeedLimit) {
    return OnTheLogger(code::kDeviceNotReport, code::kDeviceNotReport, [&](VirtualLogger& logger) {
        LoggerSettings s{};
        const int32_t result = logger.ReadSettings(port, s);
        if (result != code::kReadSettingSuccessful) {
            return result;
        }
        auto put = [](auto* out, auto value) {
            if (out != nullptr) {
                *out = value;
            }
        };
        put(timeInterval, s.timeInterval);
        put(displacementInterval, s.displacementInterval);
        put(vibration, s.vibration);
        put(tag, s.tag);
        put(minSpeedLimit, static_cast<uint32_t>(s.minSpeedLimit));
        if (userPoints != nullptr) {
            std::memcpy(userPoints, s.userPoints.data(), sizeof(UserPointTable));
        }
        put(intoIdleTimer, static_cast<uint32_t>(s.intoIdleTimer));
        put(tagMode, s.tagMode);
        put(timeZone, s.timeZone);
        put(carSpeedLimit, static_cast<uint32_t>(s.carSpeedLimit));
        return result;
    });
}

}  // extern "C"
