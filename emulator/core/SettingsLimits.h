// The limits the logger accepts for its settings. Each check answers the
// result code whose message names the value; the wave-file folder is checked
// separately (WavePrompts.h) because it is not kept in the settings.
#ifndef VANTREL_EMULATOR_CORE_SETTINGSLIMITS_H
#define VANTREL_EMULATOR_CORE_SETTINGSLIMITS_H

#include <cstdint>

#include "LoggerSettings.h"

namespace orlog7emu {

constexpr int32_t kDisabledInterval = -1;
constexpr int32_t kMaxTimeInterval = 3600;          // seconds
constexpr int32_t kMaxDisplacementInterval = 3000;  // metres
constexpr uint8_t kMaxMinSpeedLimit = 20;           // knots
constexpr uint8_t kMinIdleTimer = 1;                // minutes
constexpr uint8_t kMaxIdleTimer = 60;
constexpr uint8_t kTagModeContinuous = 0;
constexpr uint8_t kTagModeUserPoint = 1;
constexpr int8_t kMinTimeZone = -12;
constexpr int8_t kMaxTimeZone = 12;
constexpr uint8_t kMinCarSpeedLimit = 50;
constexpr uint8_t kMaxCarSpeedLimit = 250;

// 0 when the user-point slot is acceptable, else the code 43.
int32_t CheckUserPoint(const UserPoint& point);

// The checks of the values that precede the wave-file folder in the
// argument list, and of those that follow it; each answers the code of the
// first value that fails, or 0. Without `userPointsGiven` the user-point
// table counts as missing, which is 43 at its place in the order.
int32_t CheckSettingsBeforeWaveFolder(const LoggerSettings& settings);
int32_t CheckSettingsAfterWaveFolder(const LoggerSettings& settings, bool userPointsGiven = true);

// All of them (used for a state file read back from disk).
int32_t CheckSettings(const LoggerSettings& settings);

}  // namespace orlog7emu

#endif
