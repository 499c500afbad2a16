#include <gtest/gtest.h>

#include "EmulatorFakes.h"
#include "Recorder.h"
#include "ResultCode.h"
#include "Route.h"

namespace orlog7emu {
namespace {

int32_t UsedBytes(VirtualLogger& logger) {
    int32_t used = -1;
    EXPECT_EQ(logger.ReadMemoryUsed(used), code::kReadMemoryUsedSuccessful);
    return used;
}

TEST(Logging, TheLogGrowsAtTheTimeIntervalOutsideDumpMode) {
    LoggerRig rig;  // factory interval: 5 s
    rig.Logger().IntoDumpMode(5);
    const int32_t start = UsedBytes(rig.Logger());
    EXPECT_EQ(start, static_cast<int32_t>(kFactoryTrackFixes * kFixRecordSize));

    rig.clock.Advance(600);  // in dump mode: nothing is logged
    EXPECT_EQ(UsedBytes(rig.Logger()), start);

    rig.Logger().ExitDumpMode();
    rig.clock.Advance(100);
    rig.Logger().IntoDumpMode(5);
    EXPECT_EQ(UsedBytes(rig.Logger()), start + 20 * 16);
}

TEST(Logging, LoggingContinuesAcrossRuns) {
    LoggerRig rig;
    rig.Logger().IntoDumpMode(5);
    rig.Logger().EraseLog(5);
    rig.Logger().ExitDumpMode();
    rig.clock.Advance(50);
    rig.Reopen().IntoDumpMode(5);
    EXPECT_EQ(UsedBytes(rig.Logger()), 10 * 16);
}

TEST(Logging, MemoryFillsUpToItsCapacityAndStops) {
    LoggerRig rig;
    rig.Logger().IntoDumpMode(5);
    rig.Logger().EraseLog(5);
    rig.Logger().ExitDumpMode();
    rig.clock.Advance(20 * 86400);  // 345600 fixes due at 5 s, room for 249856
    rig.Logger().IntoDumpMode(5);
    EXPECT_EQ(UsedBytes(rig.Logger()), static_cast<int32_t>(kLogMemoryCapacity));
}

LoggerState EmptyLogAt(int64_t now, LoggerSettings settings) {
    LoggerState state = FactoryFreshState(now);
    state.log.clear();
    state.settings = settings;
    return state;
}

TEST(Logging, MinimumSpeedHoldsBackSlowFixes) {
    LoggerSettings s = FactorySettings();
    s.timeInterval = 1;
    s.minSpeedLimit = 20;
    LoggerState state = EmptyLogAt(kTestNow, s);
    CatchUpLogging(state, kTestNow + 1800);
    ASSERT_FALSE(state.log.empty());
    EXPECT_LT(state.log.size(), 1800u);  // the car is slower than 20 knots part of the time
    for (const GpsFix& fix : state.log)
        EXPECT_GE(fix.speedCentiKnots, 2000);
}

TEST(Logging, DisplacementIntervalLogsByDistance) {
    LoggerSettings s = FactorySettings();
    s.timeInterval = -1;
    s.displacementInterval = 500;
    LoggerState state = EmptyLogAt(kTestNow, s);
    CatchUpLogging(state, kTestNow + 3600);
    ASSERT_GT(state.log.size(), 20u);
    for (size_t i = 1; i < state.log.size(); ++i) {
        EXPECT_GE(DistanceMetres(state.log[i - 1], state.log[i]), 500.0);
    }
}

TEST(Logging, BothIntervalsDisabledLogsNothing) {
    LoggerSettings s = FactorySettings();
    s.timeInterval = -1;
    s.displacementInterval = -1;
    LoggerState state = EmptyLogAt(kTestNow, s);
    CatchUpLogging(state, kTestNow + 3600);
    EXPECT_TRUE(state.log.empty());
    EXPECT_EQ(state.loggedThrough, kTestNow + 3600);
}

TEST(Logging, AClockThatGoesBackLogsNothingTwice) {
    LoggerState state = EmptyLogAt(kTestNow, FactorySettings());
    CatchUpLogging(state, kTestNow + 100);
    const size_t logged = state.log.size();
    CatchUpLogging(state, kTestNow + 50);
    CatchUpLogging(state, kTestNow + 100);
    EXPECT_EQ(state.log.size(), logged);
}

TEST(Logging, TheDriveStaysNearTheUserPointsAtPlausibleSpeed) {
    for (int64_t t = kTestNow; t < kTestNow + 7200; t += 37) {
        const GpsFix fix = FixAt(t);
        EXPECT_NEAR(fix.latitudeE7 / 1e7, 25.05, 0.1);
        EXPECT_NEAR(fix.longitudeE7 / 1e7, 121.58, 0.1);
        EXPECT_LE(fix.speedCentiKnots, 4000);
        EXPECT_LT(fix.courseCentiDegrees, 36000);
        const GpsFix next = FixAt(t + 1);
        EXPECT_LT(DistanceMetres(fix, next), 25.0);  // no jumps
    }
}

}  // namespace
}  // namespace orlog7emu
