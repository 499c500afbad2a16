#include <gtest/gtest.h>

#include <cstdint>

#include "EmulatorFakes.h"
#include "ResultCode.h"
#include "StateCodec.h"

namespace orlog7emu {
namespace {

TEST(Persistence, AFreshLoggerHoldsTheFactoryDrive) {
    LoggerRig rig;
    ASSERT_EQ(rig.Logger().IntoDumpMode(5), code::kIntoDumpModeSuccessful);
    const LoggerState state = rig.Saved();
    EXPECT_EQ(state.log.size(), kFactoryTrackFixes);
    EXPECT_FALSE(state.serialNumberAssigned);
    EXPECT_TRUE(state.settings == FactorySettings());
}

TEST(Persistence, EverythingButDumpModeSurvivesASecondRun) {
    LoggerRig rig;
    VirtualLogger& first = rig.Logger();
    first.IntoDumpMode(5);
    ASSERT_EQ(first.WriteSettings(5, ToolSettings(), kWaveFolder), code::kSettingSuccessful);
    ASSERT_EQ(first.SetSerialNumber(4711), code::kSerialNumberSet);
    ASSERT_EQ(first.UpgradeFirmware(5, kImagePath), code::kUpgradeSuccessful);
    ASSERT_EQ(first.EraseLog(5), code::kEraseSuccessful);

    VirtualLogger& second = rig.Reopen();
    EXPECT_FALSE(second.InDumpMode());
    second.IntoDumpMode(5);  // no time has passed: nothing new logged
    DeviceInfo info;
    second.ReadDeviceInfo(5, info);
    EXPECT_EQ(info.serialNumber, 4711u);
    EXPECT_EQ(info.firmwareVersion, "V2.01");
    EXPECT_EQ(second.SetSerialNumber(1), code::kCannotModifySerialNumber);
    LoggerSettings read{};
    second.ReadSettings(5, read);
    EXPECT_TRUE(read == ToolSettings());
    int32_t used = -1;
    second.ReadMemoryUsed(used);
    EXPECT_EQ(used, 0);
}

TEST(Persistence, EncodeDecodeRoundTrip) {
    LoggerState state = FactoryFreshState(kTestNow);
    state.serialNumber = 99;
    state.serialNumberAssigned = true;
    state.settings = ToolSettings();
    state.distributorName = std::string(31, 'd');
    LoggerState back;
    ASSERT_TRUE(DecodeState(EncodeState(state), back));
    EXPECT_EQ(back.serialNumber, 99u);
    EXPECT_TRUE(back.serialNumberAssigned);
    EXPECT_EQ(back.distributorName, state.distributorName);
    EXPECT_TRUE(back.settings == state.settings);
    EXPECT_EQ(back.loggedThrough, state.loggedThrough);
    ASSERT_EQ(back.log.size(), state.log.size());
    EXPECT_EQ(back.log.back().longitudeE7, state.log.back().longitudeE7);
}

TEST(Persistence, ABadStateFileIsSetAsideBeforeAFreshLoggerIsSaved) {
    LoggerState saved = FactoryFreshState(kTestNow);
    saved.serialNumber = 5;
    saved.serialNumberAssigned = true;
    const Bytes good = EncodeState(saved);

    struct Case {
        const char* name;
        Bytes bytes;
    };
    Bytes flipped = good;
    flipped[100] ^= 0x40;
    Bytes truncated(good.begin(), good.begin() + static_cast<long>(good.size() / 2));
    // Intact files holding what the logger could not hold.
    auto withState = [&](void (*edit)(LoggerState&)) {
        LoggerState s = saved;
        edit(s);
        return EncodeState(s);
    };
    const Case cases[] = {
        {"empty", Bytes()},
        {"garbage", Bytes(5000, 0xAB)},
        {"too large", Bytes(kLogMemoryCapacity + 8192, 0)},
        {"flipped byte", flipped},
        {"truncated", truncated},
        {"time zone", withState([](LoggerState& s) { s.settings.timeZone = 99; })},
        {"serial number", withState([](LoggerState& s) { s.serialNumber = 4294967295u; })},
        {"unassigned serial", withState([](LoggerState& s) { s.serialNumberAssigned = false; })},
        {"course", withState([](LoggerState& s) { s.log[3].courseCentiDegrees = 40000; })},
        {"latitude", withState([](LoggerState& s) { s.log[0].latitudeE7 = 950000000; })},
        {"longitude", withState([](LoggerState& s) { s.log[0].longitudeE7 = -1800000001; })},
        {"end of time", withState([](LoggerState& s) { s.loggedThrough = INT64_MAX; })},
    };
    for (const Case& c : cases) {
        LoggerRig rig;
        rig.fs.files[kStatePath] = c.bytes;
        // Reading changes nothing, even a bad file.
        StateFile status = StateFile::Loaded;
        rig.store.Load(kTestNow, &status);
        EXPECT_EQ(status, StateFile::Invalid) << c.name;
        EXPECT_EQ(rig.fs.writes, 0) << c.name;

        ASSERT_EQ(rig.Logger().IntoDumpMode(5), code::kIntoDumpModeSuccessful) << c.name;
        EXPECT_EQ(rig.fs.files[SetAsidePath(kStatePath, kTestNow)], c.bytes) << c.name;
        const LoggerState fresh = rig.Saved();
        EXPECT_FALSE(fresh.serialNumberAssigned) << c.name;
        EXPECT_EQ(fresh.log.size(), kFactoryTrackFixes) << c.name;
    }
}

// Held open without sharing, or on a drive or share that is away for a
// moment: not a missing file, so no fresh logger replaces it.
TEST(Persistence, AnUnreadableStateFileIsLeftAloneAndAnswersFailures) {
    for (const bool volumeAway : {false, true}) {
        const std::string how = volumeAway ? "volume away" : "held open";
        LoggerRig rig;
        rig.Logger().IntoDumpMode(5);
        ASSERT_EQ(rig.Logger().SetSerialNumber(424242), code::kSerialNumberSet);
        const Bytes before = rig.fs.files[kStatePath];
        const int writes = rig.fs.writes;
        (volumeAway ? rig.fs.away : rig.fs.unreadable).insert(kStatePath);

        LoggerSettings settings;
        DeviceInfo info;
        int32_t used = 0;
        VirtualLogger& logger = rig.Logger();
        EXPECT_EQ(logger.ReadSettings(5, settings), code::kDeviceNotReport) << how;
        EXPECT_EQ(logger.ReadDeviceInfo(5, info), code::kCannotReadDeviceInfo) << how;
        EXPECT_EQ(logger.ReadMemoryUsed(used), code::kDeviceNotReport) << how;
        EXPECT_EQ(logger.DumpLog(5, kDumpPath), code::kCannotBuildDumpFile) << how;
        EXPECT_EQ(logger.EraseLog(5), code::kDeviceNotReport) << how;
        EXPECT_EQ(logger.WriteSettings(5, ToolSettings(), kWaveFolder), code::kSettingFail) << how;
        EXPECT_EQ(logger.UpgradeFirmware(5, kImagePath), code::kCannotOpenBinFile) << how;
        EXPECT_EQ(logger.ExitDumpMode(), kUnlistedFailure) << how;
        EXPECT_TRUE(logger.InDumpMode()) << how;

        // Nor can the next program make a fresh logger of it.
        rig.Reopen();
        int32_t found = 0;
        EXPECT_EQ(rig.Logger().IntoDumpMode(5), code::kCannotIntoDumpMode) << how;
        EXPECT_EQ(rig.Logger().AutoIntoDumpMode(found), code::kCannotIntoDumpMode) << how;
        EXPECT_EQ(rig.fs.writes, writes) << how;
        EXPECT_EQ(rig.fs.files[kStatePath], before) << how;

        rig.fs.unreadable.clear();
        rig.fs.away.clear();
        ASSERT_EQ(rig.Logger().IntoDumpMode(5), code::kIntoDumpModeSuccessful) << how;
        ASSERT_EQ(rig.Logger().ReadDeviceInfo(5, info), code::kReadDeviceInfoSuccessful) << how;
        EXPECT_EQ(info.serialNumber, 424242u) << how;
    }
}

// Within one program the state file is read again only when it changed:
// another program's save, or an edit of the file.
TEST(Persistence, AnUnchangedStateFileIsNotReadAgain) {
    LoggerRig rig;
    OtherProcess other(rig);
    ASSERT_EQ(rig.Logger().IntoDumpMode(5), code::kIntoDumpModeSuccessful);
    const int reads = rig.fs.reads;
    LoggerSettings settings;
    DeviceInfo info;
    int32_t used = 0;
    rig.Logger().ReadSettings(5, settings);
    rig.Logger().ReadDeviceInfo(5, info);
    rig.Logger().ReadMemoryUsed(used);
    ASSERT_EQ(rig.Logger().SetSerialNumber(17), code::kSerialNumberSet);
    rig.Logger().ReadDeviceInfo(5, info);
    EXPECT_EQ(rig.fs.reads, reads);
    EXPECT_EQ(info.serialNumber, 17u);

    ASSERT_EQ(rig.Logger().ExitDumpMode(), code::kExitDumpModeSuccessful);
    ASSERT_EQ(other.logger.IntoDumpMode(5), code::kIntoDumpModeSuccessful);
    ASSERT_EQ(other.logger.EraseLog(5), code::kEraseSuccessful);
    ASSERT_EQ(other.logger.ExitDumpMode(), code::kExitDumpModeSuccessful);
    const int readsByOther = rig.fs.reads;
    ASSERT_EQ(rig.Logger().IntoDumpMode(5), code::kIntoDumpModeSuccessful);
    rig.Logger().ReadMemoryUsed(used);
    EXPECT_EQ(used, 0);
    EXPECT_EQ(rig.fs.reads, readsByOther + 1);
}

// However many bad files come in one second, each is set aside under a name
// of its own.
TEST(Persistence, BadStateFilesSetAsideInOneSecondAllKeepTheirOwnName) {
    LoggerRig rig;
    for (int n = 1; n <= 12; ++n) {
        rig.fs.files[kStatePath] = Bytes(100, static_cast<uint8_t>(n));
        ASSERT_EQ(rig.Reopen().IntoDumpMode(5), code::kIntoDumpModeSuccessful) << n;
        const std::string aside =
            SetAsidePath(kStatePath, kTestNow) + (n == 1 ? "" : "-" + std::to_string(n));
        EXPECT_EQ(rig.fs.files[aside], Bytes(100, static_cast<uint8_t>(n))) << n;
    }
    EXPECT_EQ(rig.fs.cleanedFolders.back(), "/state");  // leftovers looked for under the lock
}

// Each change answers success only once saved; a failed save answers the
// export's general failure and leaves memory and file as they were.
TEST(Persistence, AFailedSaveChangesNothing) {
    struct Case {
        const char* name;
        int32_t (*change)(VirtualLogger&);
        int32_t failure;
    };
    const Case cases[] = {
        {"settings",
         [](VirtualLogger& l) { return l.WriteSettings(5, ToolSettings(), kWaveFolder); },
         code::kSettingFail},
        {"serial number", [](VirtualLogger& l) { return l.SetSerialNumber(4242); },
         code::kDeviceNotReport},
        {"erase", [](VirtualLogger& l) { return l.EraseLog(5); }, code::kDeviceNotReport},
        {"upgrade", [](VirtualLogger& l) { return l.UpgradeFirmware(5, kImagePath); },
         code::kCannotOpenBinFile},
    };
    for (const Case& c : cases) {
        LoggerRig rig;
        rig.Logger().IntoDumpMode(5);
        const Bytes before = rig.fs.files[kStatePath];
        rig.fs.failWrites = true;
        EXPECT_EQ(c.change(rig.Logger()), c.failure) << c.name;
        EXPECT_EQ(rig.fs.files[kStatePath], before) << c.name;
        DeviceInfo info;
        LoggerSettings settings{};
        int32_t used = 0;
        rig.Logger().ReadDeviceInfo(5, info);
        rig.Logger().ReadSettings(5, settings);
        rig.Logger().ReadMemoryUsed(used);
        EXPECT_EQ(info.serialNumber, 0u) << c.name;
        EXPECT_EQ(info.firmwareVersion, "V1.00") << c.name;
        EXPECT_TRUE(settings == FactorySettings()) << c.name;
        EXPECT_EQ(used, static_cast<int32_t>(kFactoryTrackFixes * kFixRecordSize)) << c.name;
    }
}

// Two programs on one computer: the port opens in one of them at a time, and
// each change starts from the file, so neither loses the other's.
TEST(Persistence, TwoProcessesShareOneLoggerAndItsPort) {
    LoggerRig rig;
    OtherProcess other(rig);  // loaded the library before the first change
    VirtualLogger& first = rig.Logger();
    ASSERT_EQ(first.IntoDumpMode(5), code::kIntoDumpModeSuccessful);
    int32_t found = 0;
    EXPECT_EQ(other.logger.IntoDumpMode(5), code::kOpenComPortError);
    EXPECT_EQ(other.logger.AutoIntoDumpMode(found), code::kCannotIntoDumpMode);
    EXPECT_EQ(other.logger.SetSerialNumber(41), code::kDeviceNotReport);
    ASSERT_EQ(first.SetSerialNumber(4242), code::kSerialNumberSet);
    ASSERT_EQ(first.ExitDumpMode(), code::kExitDumpModeSuccessful);

    ASSERT_EQ(other.logger.AutoIntoDumpMode(found), code::kIntoDumpModeSuccessful);
    EXPECT_EQ(other.logger.SetSerialNumber(41), code::kCannotModifySerialNumber);
    ASSERT_EQ(other.logger.WriteSettings(5, ToolSettings(), kWaveFolder), code::kSettingSuccessful);
    // The holder's end frees the port, as a killed process's does.
    rig.Reopen();
    EXPECT_EQ(rig.Logger().IntoDumpMode(5), code::kOpenComPortError);
    ASSERT_EQ(other.logger.ExitDumpMode(), code::kExitDumpModeSuccessful);

    ASSERT_EQ(rig.Logger().IntoDumpMode(5), code::kIntoDumpModeSuccessful);
    const LoggerState saved = rig.Saved();
    EXPECT_EQ(saved.serialNumber, 4242u);
    EXPECT_TRUE(saved.settings == ToolSettings());
    EXPECT_FALSE(rig.machine.stateLocked);
}

TEST(Persistence, SaveCreatesTheFolderAndReplacesTheFile) {
    MemoryFileSystem fs;
    StateStore store(fs, "/local/app/ORLOG7/logger.state");
    ASSERT_TRUE(store.Save(FactoryFreshState(kTestNow)));
    EXPECT_TRUE(fs.IsDirectory("/local/app/ORLOG7"));
    StateFile status = StateFile::Unreadable;
    EXPECT_EQ(store.Load(kTestNow, &status)->loggedThrough, kTestNow);
    EXPECT_EQ(status, StateFile::Loaded);
}

}  // namespace
}  // namespace orlog7emu
