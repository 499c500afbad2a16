#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "FakeWindow.h"
#include "tests/common/ExpectedSettingsTexts.h"

namespace vantrel {
namespace testing {
namespace {

// Everything one call of the settings export received, as raw as possible.
struct SentSettings {
    uint8_t port;
    uint32_t timeIntervalBits;
    uint32_t displacementIntervalBits;
    uint8_t vibration;
    uint8_t tag;
    std::string waveFilePath;
    uint8_t minSpeedLimit;
    std::vector<uint8_t> table;
    uint8_t intoIdleTimer;
    uint8_t tagMode;
    int8_t timeZone;
    uint8_t carSpeedLimit;
    bool busy;          // wait cursor up during the call
    bool portReadLast;  // the port was the last thing read before the call

    bool operator==(const SentSettings& o) const {
        return port == o.port && timeIntervalBits == o.timeIntervalBits &&
               displacementIntervalBits == o.displacementIntervalBits && vibration == o.vibration &&
               tag == o.tag && waveFilePath == o.waveFilePath && minSpeedLimit == o.minSpeedLimit &&
               table == o.table && intoIdleTimer == o.intoIdleTimer && tagMode == o.tagMode &&
               timeZone == o.timeZone && carSpeedLimit == o.carSpeedLimit;
    }
};

struct WriteScript {
    FakeWindow* window = nullptr;
    int32_t result = 14;
    std::vector<SentSettings> calls;
};
WriteScript script;

Orlog7Result ORLOG7_CALL FakeSettingDevice(Orlog7Port port, int32_t timeInterval,
                                           int32_t displacementInterval, uint8_t vibration,
                                           uint8_t tag, const char* waveFilePath,
                                           uint8_t minSpeedLimit, const UserPoint* userPoints,
                                           uint8_t intoIdleTimer, uint8_t tagMode, int8_t timeZone,
                                           uint8_t carSpeedLimit) {
    SentSettings sent{};
    sent.port = port;
    std::memcpy(&sent.timeIntervalBits, &timeInterval, 4);
    std::memcpy(&sent.displacementIntervalBits, &displacementInterval, 4);
    sent.vibration = vibration;
    sent.tag = tag;
    sent.waveFilePath = waveFilePath;
    sent.minSpeedLimit = minSpeedLimit;
    const auto* bytes = reinterpret_cast<const uint8_t*>(userPoints);
    sent.table.assign(bytes, bytes + 160);
    sent.intoIdleTimer = intoIdleTimer;
    sent.tagMode = tagMode;
    sent.timeZone = timeZone;
    sent.carSpeedLimit = carSpeedLimit;
    sent.busy = script.window->busyDepth > 0;
    sent.portReadLast = !script.window->events.empty() &&
                        script.window->events.back().kind == WindowEvent::PortRead;
    script.calls.push_back(sent);
    return script.result;
}

class SettingsWrite : public ::testing::Test {
protected:
    void SetUp() override {
        script = WriteScript();
        script.window = &rig.window;
        rig.Entries().Set<Export::SettingDevice>(&FakeSettingDevice);
    }
    OperationRig rig;
};

TEST_F(SettingsWrite, SendsTheFixedArgumentsAndTable) {
    rig.window.portSelection = 5;
    WriteDeviceSettings(rig.Context());
    ASSERT_EQ(script.calls.size(), 1u);
    const SentSettings& sent = script.calls[0];
    const expected::Settings values = expected::WrittenSettings();
    EXPECT_EQ(sent.port, 5);
    EXPECT_EQ(sent.timeIntervalBits, static_cast<uint32_t>(values.timeInterval));
    EXPECT_EQ(sent.displacementIntervalBits, 0xFFFFFFFFu);  // -1, not 255
    EXPECT_EQ(sent.vibration, values.vibration);
    EXPECT_EQ(sent.tag, values.tag);
    EXPECT_EQ(sent.waveFilePath, expected::kWaveFilePath);
    EXPECT_EQ(sent.minSpeedLimit, values.minSpeedLimit);
    EXPECT_EQ(sent.table, values.userPoints);
    EXPECT_EQ(sent.intoIdleTimer, values.intoIdleTimer);
    EXPECT_EQ(sent.tagMode, values.tagMode);
    EXPECT_EQ(sent.timeZone, values.timeZone);
    EXPECT_EQ(sent.carSpeedLimit, values.carSpeedLimit);
    EXPECT_TRUE(sent.busy);
    EXPECT_TRUE(sent.portReadLast);
    EXPECT_EQ(rig.window.busyDepth, 0);
}

TEST_F(SettingsWrite, ShowsOnlyItsSeventeenCodesAndWritesNoField) {
    ExpectEveryCode(rig, 1004, &WriteDeviceSettings, script.result, {});
}

TEST_F(SettingsWrite, TwoClicksDifferOnlyInTheFreshlyReadPort) {
    rig.window.portSelection = 5;
    WriteDeviceSettings(rig.Context());
    rig.window.portSelection = -1;  // no selection: port 255
    WriteDeviceSettings(rig.Context());
    ASSERT_EQ(script.calls.size(), 2u);
    EXPECT_EQ(script.calls[0].port, 5);
    EXPECT_EQ(script.calls[1].port, 255);
    EXPECT_EQ(rig.window.PortReads(), 2);
    SentSettings second = script.calls[1];
    second.port = script.calls[0].port;
    EXPECT_TRUE(second == script.calls[0]);
}

TEST_F(SettingsWrite, MissingEntryPointAsksToLink) {
    ExpectAsksToLink(&WriteDeviceSettings);
    EXPECT_TRUE(script.calls.empty());
}

}  // namespace
}  // namespace testing
}  // namespace vantrel
