#include <gtest/gtest.h>

#include "EmulatorFakes.h"
#include "ResultCode.h"
#include "SettingsLimits.h"

namespace orlog7emu {
namespace {

struct LimitCase {
    const char* name;
    void (*change)(LoggerSettings&);
    int32_t expected;  // 0: accepted
};

const LimitCase kLimitCases[] = {
    {"time 3600", [](LoggerSettings& s) { s.timeInterval = 3600; }, 0},
    {"time 3601", [](LoggerSettings& s) { s.timeInterval = 3601; }, code::kTimeIntervalOver3600},
    {"time disabled", [](LoggerSettings& s) { s.timeInterval = -1; }, 0},
    {"time 0", [](LoggerSettings& s) { s.timeInterval = 0; }, code::kSettingValueError},
    {"time -2", [](LoggerSettings& s) { s.timeInterval = -2; }, code::kSettingValueError},
    {"displacement 3000", [](LoggerSettings& s) { s.displacementInterval = 3000; }, 0},
    {"displacement 3001", [](LoggerSettings& s) { s.displacementInterval = 3001; },
     code::kDisplacementOver3000},
    {"displacement 0", [](LoggerSettings& s) { s.displacementInterval = 0; },
     code::kSettingValueError},
    {"vibration 0", [](LoggerSettings& s) { s.vibration = 0; }, 0},
    {"vibration 1", [](LoggerSettings& s) { s.vibration = 1; }, code::kSettingValueError},
    {"tag 200", [](LoggerSettings& s) { s.tag = 200; }, 0},
    {"min speed 20", [](LoggerSettings& s) { s.minSpeedLimit = 20; }, 0},
    {"min speed 21", [](LoggerSettings& s) { s.minSpeedLimit = 21; }, code::kMinSpeedOver20Knot},
    {"idle 0", [](LoggerSettings& s) { s.intoIdleTimer = 0; }, code::kIdleTimerOutOfRange},
    {"idle 60", [](LoggerSettings& s) { s.intoIdleTimer = 60; }, 0},
    {"idle 61", [](LoggerSettings& s) { s.intoIdleTimer = 61; }, code::kIdleTimerOutOfRange},
    {"tag mode 1", [](LoggerSettings& s) { s.tagMode = 1; }, 0},
    {"tag mode 2", [](LoggerSettings& s) { s.tagMode = 2; }, code::kTagModeError},
    {"zone -12", [](LoggerSettings& s) { s.timeZone = -12; }, 0},
    {"zone 12", [](LoggerSettings& s) { s.timeZone = 12; }, 0},
    {"zone 13", [](LoggerSettings& s) { s.timeZone = 13; }, code::kTimeZoneError},
    {"zone -13", [](LoggerSettings& s) { s.timeZone = -13; }, code::kTimeZoneError},
    {"car 49", [](LoggerSettings& s) { s.carSpeedLimit = 49; }, code::kCarSpeedLimitError},
    {"car 250", [](LoggerSettings& s) { s.carSpeedLimit = 250; }, 0},
    {"car 251", [](LoggerSettings& s) { s.carSpeedLimit = 251; }, code::kCarSpeedLimitError},
    {"point west south",
     [](LoggerSettings& s) {
         s.userPoints[3] = s.userPoints[0];
         s.userPoints[3].lonHemisphere = 1;
         s.userPoints[3].latHemisphere = 1;
     },
     0},
    {"point hemisphere 2", [](LoggerSettings& s) { s.userPoints[2].lonHemisphere = 2; },
     code::kUserPointDataError},
    {"point half empty", [](LoggerSettings& s) { s.userPoints[9].enabled = 1; },
     code::kUserPointDataError},
    {"point lon 181", [](LoggerSettings& s) { s.userPoints[0].lonDegrees = 181; },
     code::kUserPointDataError},
    {"point lat 90 plus", [](LoggerSettings& s) { s.userPoints[0].latDegrees = 90; },
     code::kUserPointDataError},
    {"point minutes 60", [](LoggerSettings& s) { s.userPoints[1].latMinutes = 60; },
     code::kUserPointDataError},
    {"point fraction 100", [](LoggerSettings& s) { s.userPoints[1].lonSecondsFraction = 100; },
     code::kUserPointDataError},
    {"point distance 0", [](LoggerSettings& s) { s.userPoints[1].distance100m = 0; },
     code::kUserPointDataError},
    {"point disabled 7", [](LoggerSettings& s) { s.userPoints[1].enabled = 7; }, 0},
};

TEST(SettingsLimits, EachLimitAnswersTheCodeNamingIt) {
    for (const LimitCase& c : kLimitCases) {
        LoggerSettings s = ToolSettings();
        c.change(s);
        EXPECT_EQ(CheckSettings(s), c.expected) << c.name;
    }
}

TEST(SettingsLimits, TheToolsSettingsAndTheFactorysAreAccepted) {
    EXPECT_EQ(CheckSettings(ToolSettings()), 0);
    EXPECT_EQ(CheckSettings(FactorySettings()), 0);
}

TEST(SettingsLimits, TheFirstFailingValueInArgumentOrderWins) {
    LoggerSettings s = ToolSettings();
    s.carSpeedLimit = 0;
    s.timeZone = 40;
    EXPECT_EQ(CheckSettings(s), code::kTimeZoneError);
    s.minSpeedLimit = 99;
    EXPECT_EQ(CheckSettings(s), code::kMinSpeedOver20Knot);
    s.displacementInterval = 5000;
    EXPECT_EQ(CheckSettings(s), code::kDisplacementOver3000);
    s.timeInterval = 5000;
    EXPECT_EQ(CheckSettings(s), code::kTimeIntervalOver3600);
}

}  // namespace
}  // namespace orlog7emu
