// The logger settings as the two settings exports exchange them, and the one
// fixed set that the settings write sends.
#ifndef VANTREL_OPERATIONS_SETTINGSVALUES_H
#define VANTREL_OPERATIONS_SETTINGSVALUES_H

#include <array>
#include <cstdint>

#include "devicelib/DeviceLibContract.h"

namespace vantrel {

// Ten user points back to back, slot 0 first: the library reads and writes
// the table as one 160-byte block.
using UserPointTable = std::array<UserPoint, ORLOG7_USER_POINT_COUNT>;
static_assert(sizeof(UserPointTable) == 160, "the user-point table is 160 contiguous bytes");

// The settings in the order both exports take them (the wave-file folder,
// which only the write takes, is kWaveFilePath).
struct DeviceSettings {
    int32_t timeInterval;          // seconds; -1 = Disable
    int32_t displacementInterval;  // metres; -1 = Disable
    uint8_t vibration;             // 0 = Disable, 2 = Enable
    uint8_t tag;                   // 0 = Disable, else Enable
    uint8_t minSpeedLimit;         // knots
    UserPointTable userPoints;
    uint8_t intoIdleTimer;  // minutes
    uint8_t tagMode;        // 0 = continuous, else user-point mode
    int8_t timeZone;        // whole hours
    uint8_t carSpeedLimit;
};

constexpr int32_t kSettingDisabled = -1;

// The folder of wave files handed to the library with every settings write.
constexpr const char* kWaveFilePath = "g:\\abcd\\WaveFile";

// The settings every click of the settings write sends. The labels beside
// the button name other values in places; these are the ones sent.
DeviceSettings WrittenSettings();

}  // namespace vantrel

#endif
