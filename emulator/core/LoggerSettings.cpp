#include "LoggerSettings.h"

#include <cstring>

namespace orlog7emu {

bool operator==(const LoggerSettings& a, const LoggerSettings& b) {
    return a.timeInterval == b.timeInterval && a.displacementInterval == b.displacementInterval &&
           a.vibration == b.vibration && a.tag == b.tag && a.minSpeedLimit == b.minSpeedLimit &&
           std::memcmp(a.userPoints.data(), b.userPoints.data(), sizeof(UserPointTable)) == 0 &&
           a.intoIdleTimer == b.intoIdleTimer && a.tagMode == b.tagMode &&
           a.timeZone == b.timeZone && a.carSpeedLimit == b.carSpeedLimit;
}

UserPoint EmptyUserPoint() {
    UserPoint point;
    std::memset(&point, 0xFF, sizeof point);
    return point;
}

bool IsEmptyUserPoint(const UserPoint& point) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(&point);
    for (size_t i = 0; i < sizeof point; ++i) {
        if (bytes[i] != 0xFF) {
            return false;
        }
    }
    return true;
}

}  // namespace orlog7emu
