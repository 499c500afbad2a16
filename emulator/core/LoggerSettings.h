// The logger's settings, exactly as the settings write passes them and the
// readback returns them.
#ifndef VANTREL_EMULATOR_CORE_LOGGERSETTINGS_H
#define VANTREL_EMULATOR_CORE_LOGGERSETTINGS_H

#include <array>
#include <cstdint>

#include "devicelib/DeviceLibContract.h"

namespace orlog7emu {

using UserPointTable = std::array<UserPoint, ORLOG7_USER_POINT_COUNT>;

struct LoggerSettings {
    int32_t timeInterval;          // seconds, -1 = disabled
    int32_t displacementInterval;  // metres, -1 = disabled
    uint8_t vibration;             // 0 = off, 2 = on
    uint8_t tag;                   // 0 = off, other = on
    uint8_t minSpeedLimit;         // knots
    UserPointTable userPoints;
    uint8_t intoIdleTimer;  // minutes
    uint8_t tagMode;        // 0 = continuous, 1 = user point
    int8_t timeZone;        // hours
    uint8_t carSpeedLimit;
};

bool operator==(const LoggerSettings& a, const LoggerSettings& b);
inline bool operator!=(const LoggerSettings& a, const LoggerSettings& b) {
    return !(a == b);
}

// A slot of the user-point table that holds no point: 0xFF in all 16 bytes.
UserPoint EmptyUserPoint();
bool IsEmptyUserPoint(const UserPoint& point);

}  // namespace orlog7emu

#endif
