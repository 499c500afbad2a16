#include <gtest/gtest.h>

#include "EmulatorFakes.h"
#include "ResultCode.h"
#include "StateCodec.h"

namespace orlog7emu {
namespace {

TEST(Persistence, AFreshLoggerHoldsTheFactoryDrive) {
    LoggerRig rig;
    const LoggerState& state = rig.Logger().State();
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

TEST(Persistence, ACorruptStateFileGivesAFactoryFreshLogger) {
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
    LoggerState badValues = saved;
    badValues.settings.timeZone = 99;  // intact file, impossible value
    const Case cases[] = {
        {"empty", Bytes()},
        {"garbage", Bytes(5000, 0xAB)},
        {"flipped byte", flipped},
        {"truncated", truncated},
        {"impossible value", EncodeState(badValues)},
    };
    for (const Case& c : cases) {
        MemoryFileSystem fs;
        fs.dirs.insert("/state");
        fs.files[kStatePath] = c.bytes;
        StateStore store(fs, kStatePath);
        const LoggerState loaded = store.Load(kTestNow);
        EXPECT_FALSE(loaded.serialNumberAssigned) << c.name;
        EXPECT_EQ(loaded.log.size(), kFactoryTrackFixes) << c.name;
    }
}

TEST(Persistence, SaveCreatesTheFolderAndReplacesTheFile) {
    MemoryFileSystem fs;
    StateStore store(fs, "/local/app/ORLOG7/logger.state");
    ASSERT_TRUE(store.Save(FactoryFreshState(kTestNow)));
    EXPECT_TRUE(fs.IsDirectory("/local/app/ORLOG7"));
    EXPECT_EQ(store.Load(kTestNow).loggedThrough, kTestNow);
}

}  // namespace
}  // namespace orlog7emu
