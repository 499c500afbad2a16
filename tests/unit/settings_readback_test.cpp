#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "FakeWindow.h"
#include "tests/common/ExpectedSettingsTexts.h"
#include "operations/Operations.h"
#include "operations/SettingsValues.h"
#include "res/resource.h"

namespace vantrel {
namespace testing {
namespace {

// How the fake library fills the four-byte outputs it is given.
enum class Fill {
    Whole,           // all four bytes
    LowestByteOnly,  // the lowest-addressed byte; the other three get garbage
    Nothing,         // answers without writing any output
};

struct ReadScript {
    FakeWindow* window = nullptr;
    int32_t result = 22;
    Fill fill = Fill::Whole;
    DeviceSettings values{};
    int calls = 0;
    int lastPort = -1;
    bool outputsZeroOnEntry = true;
    bool busy = false;
};
ReadScript script;

template <typename T>
bool AllZero(const T* p, std::size_t size = sizeof(T)) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(p);
    for (std::size_t i = 0; i < size; ++i) {
        if (bytes[i] != 0) {
            return false;
        }
    }
    return true;
}

void FillFourBytes(uint32_t* storage, uint8_t value) {
    if (script.fill == Fill::Whole) {
        *storage = value;
        return;
    }
    const uint8_t bytes[4] = {value, 0xA5, 0x5A, 0xC3};
    std::memcpy(storage, bytes, 4);
}

Orlog7Result ORLOG7_CALL FakeReadSettingValue(Orlog7Port port, int32_t* timeInterval,
                                              int32_t* displacementInterval, uint8_t* vibration,
                                              uint8_t* tag, uint32_t* minSpeedLimit,
                                              UserPoint* userPoints, uint32_t* intoIdleTimer,
                                              uint8_t* tagMode, int8_t* timeZone,
                                              uint32_t* carSpeedLimit) {
    ++script.calls;
    script.lastPort = port;
    script.busy = script.window->busyDepth > 0;
    script.outputsZeroOnEntry = AllZero(timeInterval) && AllZero(displacementInterval) &&
                                AllZero(vibration) && AllZero(tag) && AllZero(minSpeedLimit) &&
                                AllZero(userPoints, 160) && AllZero(intoIdleTimer) &&
                                AllZero(tagMode) && AllZero(timeZone) && AllZero(carSpeedLimit);
    if (script.fill == Fill::Nothing) {
        return script.result;
    }
    const DeviceSettings& v = script.values;
    *timeInterval = v.timeInterval;
    *displacementInterval = v.displacementInterval;
    *vibration = v.vibration;
    *tag = v.tag;
    FillFourBytes(minSpeedLimit, v.minSpeedLimit);
    std::memcpy(userPoints, v.userPoints.data(), 160);
    FillFourBytes(intoIdleTimer, v.intoIdleTimer);
    *tagMode = v.tagMode;
    *timeZone = v.timeZone;
    FillFourBytes(carSpeedLimit, v.carSpeedLimit);
    return script.result;
}

// A settings export that keeps what it was sent, as a logger would.
DeviceSettings stored;
Orlog7Result ORLOG7_CALL FakeSettingDevice(Orlog7Port, int32_t timeInterval,
                                           int32_t displacementInterval, uint8_t vibration,
                                           uint8_t tag, const char*, uint8_t minSpeedLimit,
                                           const UserPoint* userPoints, uint8_t intoIdleTimer,
                                           uint8_t tagMode, int8_t timeZone,
                                           uint8_t carSpeedLimit) {
    stored.timeInterval = timeInterval;
    stored.displacementInterval = displacementInterval;
    stored.vibration = vibration;
    stored.tag = tag;
    stored.minSpeedLimit = minSpeedLimit;
    std::memcpy(stored.userPoints.data(), userPoints, 160);
    stored.intoIdleTimer = intoIdleTimer;
    stored.tagMode = tagMode;
    stored.timeZone = timeZone;
    stored.carSpeedLimit = carSpeedLimit;
    return 14;
}

using Texts = std::vector<std::string>;

class SettingsReadback : public ::testing::Test {
protected:
    void SetUp() override {
        script = ReadScript();
        script.window = &rig.window;
        script.values = WrittenSettings();
        rig.Entries().Set<Export::ReadSettingValue>(&FakeReadSettingValue);
    }
    // The texts written, in order.
    Texts Written() const {
        Texts out;
        for (const WindowEvent& e : rig.window.events) {
            if (e.kind == WindowEvent::Field) {
                out.push_back(e.text);
            }
        }
        return out;
    }
    OperationRig rig;
};

// A library that answers with the values the settings write sent it.
TEST_F(SettingsReadback, ReadsBackWhatTheWriteSent) {
    rig.Entries().Set<Export::SettingDevice>(&FakeSettingDevice);
    stored = DeviceSettings{};
    WriteDeviceSettings(rig.Context());
    script.values = stored;
    rig.window.events.clear();

    ReadSettingValues(rig.Context());
    const Texts expected = expected_settings::WrittenSettingsReadbackTexts();
    EXPECT_EQ(Written(), expected);
    std::vector<int> order;
    for (const expected_settings::Field& field : expected_settings::WrittenSettingsReadback()) {
        order.push_back(field.controlId);
    }
    EXPECT_EQ(rig.window.FieldWrites(), order);
}

TEST_F(SettingsReadback, FieldsAreWrittenOnlyAfterTheBoxIsClosed) {
    rig.window.portSelection = 7;
    std::size_t eventsWhileOpen = 0;
    rig.window.onBox = [&](const WindowEvent&) { eventsWhileOpen = rig.window.events.size(); };
    ReadSettingValues(rig.Context());

    EXPECT_EQ(script.lastPort, 7);
    EXPECT_TRUE(script.busy);
    EXPECT_TRUE(script.outputsZeroOnEntry);
    const auto& events = rig.window.events;
    ASSERT_EQ(events.size(), 2u + 19u);
    EXPECT_EQ(eventsWhileOpen, 2u);  // port read and box; no field yet
    EXPECT_EQ(events[0].kind, WindowEvent::PortRead);
    EXPECT_EQ(events[1].kind, WindowEvent::Box);
    EXPECT_EQ(events[1].text, "22 return_read_setting_interval_successful");
    EXPECT_EQ(events[1].caption, "API-return");
    for (std::size_t i = 2; i < events.size(); ++i) {
        EXPECT_EQ(events[i].kind, WindowEvent::Field);
        EXPECT_FALSE(events[i].busy);
    }
}

TEST_F(SettingsReadback, VibrationNeitherZeroNorTwoKeepsItsField) {
    for (uint8_t vibration : {1, 3, 255}) {
        OperationRig fresh;
        fresh.Entries().Set<Export::ReadSettingValue>(&FakeReadSettingValue);
        script.window = &fresh.window;
        fresh.window.fields[IDC_READ_VIBRATION] = "( Vibration  = ? )";
        script.values.vibration = vibration;
        ReadSettingValues(fresh.Context());
        EXPECT_EQ(fresh.window.FieldWrites().size(), 18u);
        EXPECT_EQ(fresh.window.fields[IDC_READ_VIBRATION], "( Vibration  = ? )");
    }
}

TEST_F(SettingsReadback, OnlyTwentySixAndTwelveShowWithoutFields) {
    for (int32_t code = -2; code <= 60; ++code) {
        if (code == 22) {
            continue;
        }
        rig.window.events.clear();
        script.result = code;
        ReadSettingValues(rig.Context());
        Texts expected;
        if (code == 26) {
            expected = {"26 return_not_dump_mode"};
        } else if (code == 12) {
            expected = {"12 return_device_not_report"};
        }
        EXPECT_EQ(rig.window.Boxes(), expected) << "code " << code;  // 14 and 2 included
        EXPECT_TRUE(rig.window.FieldWrites().empty()) << "code " << code;
    }
}

// Only the lowest-addressed byte of a four-byte output counts.
TEST_F(SettingsReadback, FourByteOutputsAreReadByTheirFirstByte) {
    script.fill = Fill::LowestByteOnly;
    script.values.minSpeedLimit = 7;
    script.values.intoIdleTimer = 10;
    script.values.carSpeedLimit = 250;
    ReadSettingValues(rig.Context());
    EXPECT_EQ(rig.window.fields[IDC_READ_MIN_SPEED_LIMIT], "( Min. Speed limit  = 7 )");
    EXPECT_EQ(rig.window.fields[IDC_READ_IDLE_TIMER], "( Into Idle Timer  = 10 minute)");
    EXPECT_EQ(rig.window.fields[IDC_READ_CAR_SPEED_LIMIT], "( Car Speed Limit = 250 )");
}

// A library that claims success without writing shows zeros, not stack
// contents.
TEST_F(SettingsReadback, SuccessWithoutOutputsShowsZeros) {
    script.fill = Fill::Nothing;
    ReadSettingValues(rig.Context());
    Texts expected = {
        "( Read Time Interval = 0 )",
        "( Read Displacement Interval = 0 )",
        "( Vibration  = Disable )",
        "( Tag  = Disable )",
        "( Min. Speed limit  = 0 )",
        "( Into Idle Timer  = 0 minute)",
        "( Tag Mode  = Tag_For_Continuous_Mode )",
        "( Time Zone = 0 )",
        "( Car Speed Limit = 0 )",
    };
    for (int slot = 0; slot <= 9; ++slot) {
        expected.push_back(expected_settings::ZeroUserPointLine(slot));
    }
    EXPECT_EQ(Written(), expected);
}

TEST_F(SettingsReadback, MissingEntryPointAsksToLink) {
    OperationRig empty;
    empty.window.fields[IDC_READ_TAG] = "( Tag  = ? )";
    ReadSettingValues(empty.Context());
    EXPECT_EQ(empty.window.Boxes(), Texts{"Please link library"});
    EXPECT_EQ(empty.window.PortReads(), 0);
    EXPECT_TRUE(empty.window.FieldWrites().empty());
    EXPECT_EQ(script.calls, 0);
}

}  // namespace
}  // namespace testing
}  // namespace vantrel
