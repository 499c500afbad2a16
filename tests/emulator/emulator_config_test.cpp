#include <gtest/gtest.h>

#include "EmulatorConfig.h"

namespace orlog7emu {
namespace {

TEST(EmulatorConfig, DefaultsWithoutAFile) {
    const EmulatorConfig c = ParseEmulatorConfig("");
    EXPECT_EQ(c.loggerPort, 5);
    EXPECT_FALSE(c.unplugged);
    EXPECT_FALSE(c.noGpsFix);
    EXPECT_EQ(c.transferDelayMsPerKiB, 0u);
    EXPECT_EQ(c.stateFile, "");
}

TEST(EmulatorConfig, ReadsEverySetting) {
    const EmulatorConfig c = ParseEmulatorConfig(
        "\xEF\xBB\xBF; emulator\r\n[Emulator]\r\nport = COM07\r\nUnplugged=yes\r\nNOGPSFIX=1\r\n"
        "TransferDelayMsPerKiB=15\r\nStateFile=D:\\logger state\\a.state\r\n");
    EXPECT_EQ(c.loggerPort, 7);
    EXPECT_TRUE(c.unplugged);
    EXPECT_TRUE(c.noGpsFix);
    EXPECT_EQ(c.transferDelayMsPerKiB, 15u);
    EXPECT_EQ(c.stateFile, "D:\\logger state\\a.state");
}

TEST(EmulatorConfig, BadValuesAndOtherSectionsKeepTheDefaults) {
    const char* texts[] = {
        "[Emulator]\nPort=0\nTransferDelayMsPerKiB=-3\nUnplugged=maybe\n",
        "[Emulator]\nPort=100\nTransferDelayMsPerKiB=999999\n",
        "[Other]\nPort=9\nUnplugged=1\n",
        "Port=COM\n",
    };
    for (const char* text : texts) {
        const EmulatorConfig c = ParseEmulatorConfig(text);
        EXPECT_EQ(c.loggerPort, 5) << text;
        EXPECT_FALSE(c.unplugged) << text;
        EXPECT_EQ(c.transferDelayMsPerKiB, 0u) << text;
    }
}

}  // namespace
}  // namespace orlog7emu

namespace orlog7emu {
namespace {

TEST(EmulatorConfig, StateFileLocation) {
    struct Case {
        const char* configured;
        const char* expected;
    };
    const Case cases[] = {
        {"", "C:\\Users\\u\\AppData\\Local\\default.state"},
        {"logger.state", "C:\\run\\app\\logger.state"},
        {"D:\\states\\a.state", "D:\\states\\a.state"},
        {"\\\\server\\share\\a.state", "\\\\server\\share\\a.state"},
    };
    for (const Case& c : cases) {
        EmulatorConfig config;
        config.stateFile = c.configured;
        EXPECT_EQ(
            ResolveStateFile(config, "C:\\run\\app", "C:\\Users\\u\\AppData\\Local\\default.state"),
            c.expected);
    }
}

}  // namespace
}  // namespace orlog7emu
