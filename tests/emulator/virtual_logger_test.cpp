#include <gtest/gtest.h>

#include "EmulatorFakes.h"
#include "ResultCode.h"

namespace orlog7emu {
namespace {

TEST(VirtualLoggerPorts, OnlyTheLoggersPortAnswers) {
    struct Case {
        uint8_t port;
        int32_t expected;
    };
    const Case cases[] = {
        {0, code::kOpenComPortError},    {100, code::kOpenComPortError},
        {255, code::kOpenComPortError},  {2, code::kCannotIntoDumpMode},
        {99, code::kCannotIntoDumpMode}, {5, code::kIntoDumpModeSuccessful},
    };
    for (const Case& c : cases) {
        LoggerRig rig;
        EXPECT_EQ(rig.Logger().IntoDumpMode(c.port), c.expected) << int(c.port);
        EXPECT_EQ(rig.Logger().InDumpMode(), c.expected == code::kIntoDumpModeSuccessful);
    }
}

TEST(VirtualLoggerPorts, AutoScanFindsTheConfiguredPort) {
    EmulatorConfig config;
    config.loggerPort = 12;
    LoggerRig rig(config);
    int32_t found = 0;
    EXPECT_EQ(rig.Logger().AutoIntoDumpMode(found), code::kIntoDumpModeSuccessful);
    EXPECT_EQ(found, 12);
    EXPECT_EQ(rig.Logger().IntoDumpMode(5), code::kCannotIntoDumpMode);
    EXPECT_TRUE(rig.Logger().InDumpMode());  // still on 12
}

TEST(VirtualLoggerPorts, AnUnpluggedLoggerIsFoundNowhere) {
    EmulatorConfig config;
    config.unplugged = true;
    LoggerRig rig(config);
    int32_t found = 0;
    EXPECT_EQ(rig.Logger().AutoIntoDumpMode(found), code::kCannotIntoDumpMode);
    EXPECT_EQ(found, 0);
    EXPECT_EQ(rig.Logger().IntoDumpMode(5), code::kCannotIntoDumpMode);
}

TEST(VirtualLoggerPorts, ExitLeavesDumpModeOnce) {
    LoggerRig rig;
    EXPECT_EQ(rig.Logger().ExitDumpMode(), code::kNotDumpMode);
    rig.Logger().IntoDumpMode(5);
    EXPECT_EQ(rig.Logger().ExitDumpMode(), code::kExitDumpModeSuccessful);
    EXPECT_EQ(rig.Logger().ExitDumpMode(), code::kNotDumpMode);
}

// Every operation that addresses the logger: its answer outside dump mode and
// in dump mode on another port than the logger's.
TEST(VirtualLoggerPorts, OperationsNeedTheLoggerInDumpModeOnTheirPort) {
    struct Case {
        const char* name;
        int32_t (*call)(VirtualLogger&, uint8_t port);
        int32_t otherPort;
    };
    const Case cases[] = {
        {"dump", [](VirtualLogger& l, uint8_t p) { return l.DumpLog(p, kDumpPath); },
         code::kDeviceNotReport},
        {"erase", [](VirtualLogger& l, uint8_t p) { return l.EraseLog(p); },
         code::kDeviceNotReport},
        {"write settings",
         [](VirtualLogger& l, uint8_t p) {
             return l.WriteSettings(p, ToolSettings(), kWaveFolder);
         },
         code::kDeviceNotReport},
        {"read settings",
         [](VirtualLogger& l, uint8_t p) {
             LoggerSettings s;
             return l.ReadSettings(p, s);
         },
         code::kDeviceNotReport},
        {"device info",
         [](VirtualLogger& l, uint8_t p) {
             DeviceInfo i;
             return l.ReadDeviceInfo(p, i);
         },
         code::kCannotReadDeviceInfo},
        {"upgrade", [](VirtualLogger& l, uint8_t p) { return l.UpgradeFirmware(p, kImagePath); },
         code::kNotDumpMode},
    };
    for (const Case& c : cases) {
        LoggerRig rig;
        EXPECT_EQ(c.call(rig.Logger(), 5), code::kNotDumpMode) << c.name;
        rig.Logger().IntoDumpMode(5);
        EXPECT_EQ(c.call(rig.Logger(), 2), c.otherPort) << c.name;
    }
}

TEST(VirtualLoggerPorts, PortlessReadsNeedDumpMode) {
    LoggerRig rig;
    UtcDateTime time{};
    int32_t used = 0;
    EXPECT_EQ(rig.Logger().ReadGpsTime(time), code::kNotDumpMode);
    EXPECT_EQ(rig.Logger().ReadMemoryUsed(used), code::kNotDumpMode);
    EXPECT_EQ(rig.Logger().SetSerialNumber(7), code::kDeviceNotReport);
}

TEST(VirtualLoggerSettings, WriteThenReadBackReturnsExactlyWhatWasStored) {
    LoggerRig rig;
    rig.Logger().IntoDumpMode(5);
    LoggerSettings written = ToolSettings();
    written.userPoints[0].reserved1[0] = 0x12;  // kept though not interpreted
    ASSERT_EQ(rig.Logger().WriteSettings(5, written, kWaveFolder), code::kSettingSuccessful);
    LoggerSettings read = FactorySettings();
    EXPECT_EQ(rig.Logger().ReadSettings(5, read), code::kReadSettingSuccessful);
    EXPECT_TRUE(read == written);
}

TEST(VirtualLoggerSettings, ValuesAreCheckedInArgumentOrderAroundTheWaveFolder) {
    LoggerRig rig;
    rig.Logger().IntoDumpMode(5);
    LoggerSettings s = ToolSettings();
    s.carSpeedLimit = 10;
    EXPECT_EQ(rig.Logger().WriteSettings(5, s, "/g/abcd/NoSuchFolder"), code::kErrorWaveFilePath);
    s.vibration = 1;
    EXPECT_EQ(rig.Logger().WriteSettings(5, s, "/g/abcd/NoSuchFolder"), code::kSettingValueError);
    // A missing user-point table answers 43 at its place, after the minimum speed.
    s = ToolSettings();
    s.intoIdleTimer = 0;
    EXPECT_EQ(rig.Logger().WriteSettings(5, s, kWaveFolder, false), code::kUserPointDataError);
    s.minSpeedLimit = 99;
    EXPECT_EQ(rig.Logger().WriteSettings(5, s, kWaveFolder, false), code::kMinSpeedOver20Knot);
    s.timeInterval = 5000;
    EXPECT_EQ(rig.Logger().WriteSettings(5, s, kWaveFolder, false), code::kTimeIntervalOver3600);
    // A refused write keeps the old settings.
    LoggerSettings read{};
    rig.Logger().ReadSettings(5, read);
    EXPECT_TRUE(read == FactorySettings());
}

TEST(VirtualLoggerSettings, ValuesAreCheckedBeforeTheDevice) {
    LoggerRig rig;
    LoggerSettings s = ToolSettings();
    s.timeZone = 20;
    EXPECT_EQ(rig.Logger().WriteSettings(5, s, kWaveFolder), code::kTimeZoneError);
}

TEST(VirtualLoggerInfo, DeviceInformationOfAFreshLogger) {
    LoggerRig rig;
    rig.Logger().IntoDumpMode(5);
    DeviceInfo info;
    ASSERT_EQ(rig.Logger().ReadDeviceInfo(5, info), code::kReadDeviceInfoSuccessful);
    EXPECT_EQ(info.serialNumber, 0u);
    EXPECT_EQ(info.firmwareVersion, "V1.00");
    EXPECT_LE(info.distributorName.size(), 31u);
    EXPECT_EQ(info.modelName, "ORLOG7");
    EXPECT_LE(std::string(kDllVersionText).size(), 19u);
}

TEST(VirtualLoggerSerialNumber, AssignedOnceThenRefused) {
    LoggerRig rig;
    rig.Logger().IntoDumpMode(5);
    EXPECT_EQ(rig.Logger().SetSerialNumber(1000000001u), code::kSerialNumberOver);
    EXPECT_EQ(rig.Logger().SetSerialNumber(4294967295u), code::kSerialNumberOver);
    EXPECT_EQ(rig.Logger().SetSerialNumber(1000000000u), code::kSerialNumberSet);
    EXPECT_EQ(rig.Logger().SetSerialNumber(12u), code::kCannotModifySerialNumber);
    EXPECT_EQ(rig.Logger().SetSerialNumber(1000000001u), code::kSerialNumberOver);
    DeviceInfo info;
    rig.Logger().ReadDeviceInfo(5, info);
    EXPECT_EQ(info.serialNumber, 1000000000u);
}

TEST(VirtualLoggerGpsTime, TheComputersUtcTimeWithTheYearSince2000) {
    LoggerRig rig;
    rig.Logger().IntoDumpMode(5);
    UtcDateTime time{};
    ASSERT_EQ(rig.Logger().ReadGpsTime(time), code::kGpsTimeSuccessful);
    // kTestNow is 2026-05-28 20:26:40 UTC.
    EXPECT_EQ(time.year, 2026);
    EXPECT_EQ(time.month, 5);
    EXPECT_EQ(time.day, 28);
    EXPECT_EQ(time.hour, 20);
    EXPECT_EQ(time.minute, 26);
    EXPECT_EQ(time.second, 40);
}

TEST(VirtualLoggerGpsTime, NoFixIsInvalid) {
    EmulatorConfig config;
    config.noGpsFix = true;
    LoggerRig rig(config);
    rig.Logger().IntoDumpMode(5);
    UtcDateTime time{};
    EXPECT_EQ(rig.Logger().ReadGpsTime(time), code::kGpsTimeInvalid);
}

TEST(UtcDate, CalendarEdges) {
    const struct {
        int64_t unix;
        UtcDateTime expected;
    } cases[] = {
        {0, {1970, 1, 1, 0, 0, 0}},
        {951782400, {2000, 2, 29, 0, 0, 0}},
        {4107542399, {2100, 2, 28, 23, 59, 59}},
        {4107542400, {2100, 3, 1, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const UtcDateTime t = ToUtcDateTime(c.unix);
        EXPECT_EQ(t.year, c.expected.year) << c.unix;
        EXPECT_EQ(t.month, c.expected.month) << c.unix;
        EXPECT_EQ(t.day, c.expected.day) << c.unix;
        EXPECT_EQ(t.hour * 3600 + t.minute * 60 + t.second,
                  c.expected.hour * 3600 + c.expected.minute * 60 + c.expected.second);
        EXPECT_EQ(ToUnixSeconds(t), c.unix);
    }
}

}  // namespace
}  // namespace orlog7emu
