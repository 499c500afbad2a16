#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EmulatorFakes.h"
#include "Recorder.h"
#include "ResultCode.h"
#include "Route.h"
#include "StateCodec.h"

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

// Logging passes over the seconds in which no fix can be due; it must log
// exactly the fixes that looking at every second logs.
std::vector<GpsFix> EverySecond(LoggerState state, int64_t now) {
    const LoggerSettings& s = state.settings;
    for (int64_t t = state.loggedThrough + 1; t <= now; ++t) {
        const GpsFix fix = FixAt(t);
        const bool haveLast = !state.log.empty();
        const bool timeDue =
            s.timeInterval > 0 && (!haveLast || t - state.log.back().utcSeconds >= s.timeInterval);
        const bool distanceDue =
            s.displacementInterval > 0 &&
            (!haveLast || DistanceMetres(state.log.back(), fix) >= s.displacementInterval);
        if ((timeDue || distanceDue) && fix.speedCentiKnots >= s.minSpeedLimit * 100u)
            state.log.push_back(fix);
    }
    return state.log;
}

TEST(Logging, PassingOverSecondsLogsWhatEverySecondWould) {
    struct Case {
        int32_t timeInterval;
        int32_t displacementInterval;
        uint8_t minSpeed;
        int64_t seconds;
    };
    const Case cases[] = {
        {7, -1, 0, 6 * 3600},    {-1, 500, 0, 6 * 3600}, {-1, 3000, 0, 86400},
        {600, 3000, 0, 86400},   {1, -1, 20, 4 * 3600},  {-1, 40, 15, 4 * 3600},
        {3600, 2000, 12, 86400},
    };
    for (const Case& c : cases) {
        LoggerSettings s = FactorySettings();
        s.timeInterval = c.timeInterval;
        s.displacementInterval = c.displacementInterval;
        s.minSpeedLimit = c.minSpeed;
        LoggerState state = EmptyLogAt(kTestNow, s);
        state.log.push_back(FixAt(kTestNow - 100));
        const std::vector<GpsFix> expected = EverySecond(state, kTestNow + c.seconds);
        CatchUpLogging(state, kTestNow + c.seconds);
        const std::string what = std::to_string(c.timeInterval) + " s, " +
                                 std::to_string(c.displacementInterval) + " m, " +
                                 std::to_string(c.minSpeed) + " knots";
        ASSERT_EQ(state.log.size(), expected.size()) << what;
        EXPECT_GT(expected.size(), 10u) << what;
        for (size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(state.log[i].utcSeconds, expected[i].utcSeconds) << what << ", fix " << i;
    }
}

// Fuzzer findings: a log read from a file may end anywhere on the globe (the
// longitudes' difference overflowed 32 bits), and the logged-through time
// may lie just before the end of 32-bit time (a save then did not read back).
TEST(Logging, AnyStateTheDecoderTakesLogsOnIntoAStateItTakes) {
    LoggerSettings s = FactorySettings();
    s.displacementInterval = 500;
    LoggerState across = EmptyLogAt(kTestNow, s);
    across.log.push_back(FixAt(kTestNow - 100));
    across.log.back().longitudeE7 = -1216000000;
    CatchUpLogging(across, kTestNow + 60);
    ASSERT_GE(across.log.size(), 2u);
    EXPECT_EQ(across.log[1].utcSeconds, kTestNow + 1);  // thousands of kilometres from the last

    LoggerState late = EmptyLogAt(kLastFixTime - 100, FactorySettings());
    CatchUpLogging(late, kLastFixTime + 3600);
    SkipLoggingUntil(late, kLastFixTime + 7200);
    EXPECT_EQ(late.loggedThrough, kLastFixTime);
    EXPECT_EQ(late.log.size(), 20u);  // every 5 s up to the end
    LoggerState back;
    EXPECT_TRUE(DecodeState(EncodeState(late), back));
    EXPECT_EQ(FactoryFreshState(kLastFixTime + 1).loggedThrough, kLastFixTime);
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
