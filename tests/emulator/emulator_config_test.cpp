#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "EmulatorConfig.h"

namespace orlog7emu {
namespace {

// The texts as the system's INI reader hands them over, key by key.
EmulatorConfig Configured(const std::vector<std::pair<std::string, std::string>>& values) {
    EmulatorConfig config;
    for (const auto& value : values)
        ApplyEmulatorSetting(config, value.first, value.second);
    return config;
}

TEST(EmulatorConfig, DefaultsWithoutAFile) {
    const EmulatorConfig c = Configured({});
    EXPECT_EQ(c.loggerPort, 5);
    EXPECT_FALSE(c.unplugged);
    EXPECT_FALSE(c.noGpsFix);
    EXPECT_EQ(c.transferDelayMsPerKiB, 0u);
    EXPECT_EQ(c.stateFile, "");
}

TEST(EmulatorConfig, ReadsEverySetting) {
    const EmulatorConfig c = Configured({{"port", "COM07"},
                                         {"Unplugged", "yes"},
                                         {"NOGPSFIX", "1"},
                                         {"TransferDelayMsPerKiB", " 15 "},
                                         {"StateFile", "D:\\logger state\\a.state"}});
    EXPECT_EQ(c.loggerPort, 7);
    EXPECT_TRUE(c.unplugged);
    EXPECT_TRUE(c.noGpsFix);
    EXPECT_EQ(c.transferDelayMsPerKiB, 15u);
    EXPECT_EQ(c.stateFile, "D:\\logger state\\a.state");
    EXPECT_EQ(std::size(kEmulatorSettingNames), 5u);
}

TEST(EmulatorConfig, BadValuesAndUnknownKeysKeepTheDefaults) {
    const std::vector<std::pair<std::string, std::string>> sets[] = {
        {{"Port", "0"}, {"TransferDelayMsPerKiB", "-3"}, {"Unplugged", "maybe"}},
        {{"Port", "100"}, {"TransferDelayMsPerKiB", "999999"}},
        {{"Port", "COM"}, {"Ports", "9"}, {"Unplug", "1"}},
    };
    for (const auto& set : sets) {
        const EmulatorConfig c = Configured(set);
        EXPECT_EQ(c.loggerPort, 5) << set.front().second;
        EXPECT_FALSE(c.unplugged) << set.front().second;
        EXPECT_EQ(c.transferDelayMsPerKiB, 0u) << set.front().second;
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
