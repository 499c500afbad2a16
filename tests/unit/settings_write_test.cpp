#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "FakeWindow.h"
#include "tests/common/ExpectedSettingsTexts.h"
#include "operations/Operations.h"

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

// The table as the logger's settings list it, spelled out independently of
// the code under test.
std::vector<uint8_t> ExpectedTable() {
    std::vector<uint8_t> t = {0x00, 0x79, 0x26, 0x2E, 0x05, 0x00, 0x19, 0x03, 0x26, 0x23, 0x01,
                              0xFF, 0xFF, 0x01, 0xFF, 0xFF, 0x00, 0x79, 0x1E, 0x36, 0x56, 0x00,
                              0x19, 0x01, 0x06, 0x14, 0x02, 0xFF, 0xFF, 0x01, 0xFF, 0xFF};
    t.resize(160, 0xFF);
    return t;
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
    EXPECT_EQ(sent.port, 5);
    EXPECT_EQ(sent.timeIntervalBits, 1u);
    EXPECT_EQ(sent.displacementIntervalBits, 0xFFFFFFFFu);  // -1, not 255
    EXPECT_EQ(sent.vibration, 2);
    EXPECT_EQ(sent.tag, 1);
    EXPECT_EQ(sent.waveFilePath, "g:\\abcd\\WaveFile");
    EXPECT_EQ(sent.minSpeedLimit, 0);
    EXPECT_EQ(sent.table, ExpectedTable());
    EXPECT_EQ(sent.intoIdleTimer, 10);
    EXPECT_EQ(sent.tagMode, 0);
    EXPECT_EQ(sent.timeZone, 8);
    EXPECT_EQ(sent.carSpeedLimit, 50);
    EXPECT_TRUE(sent.busy);
    EXPECT_TRUE(sent.portReadLast);
    EXPECT_EQ(rig.window.busyDepth, 0);
}

TEST_F(SettingsWrite, ShowsOnlyItsSeventeenCodesAndWritesNoField) {
    std::map<int32_t, std::string> listed;
    for (const expected_settings::Box& box : expected_settings::SettingDeviceBoxes()) {
        listed[box.code] = box.text;
    }
    for (int32_t code = -2; code <= 60; ++code) {
        rig.window.events.clear();
        script.result = code;
        WriteDeviceSettings(rig.Context());
        auto it = listed.find(code);
        const std::vector<std::string> expected =
            it == listed.end() ? std::vector<std::string>{} : std::vector<std::string>{it->second};
        EXPECT_EQ(rig.window.Boxes(), expected) << "code " << code;
        EXPECT_TRUE(rig.window.FieldWrites().empty()) << "code " << code;
    }
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
    OperationRig empty;
    WriteDeviceSettings(empty.Context());
    EXPECT_EQ(empty.window.Boxes(), std::vector<std::string>{"Please link library"});
    EXPECT_EQ(empty.window.PortReads(), 0);
    EXPECT_EQ(empty.window.busyCount, 0);
    EXPECT_TRUE(script.calls.empty());
}

}  // namespace
}  // namespace testing
}  // namespace vantrel
