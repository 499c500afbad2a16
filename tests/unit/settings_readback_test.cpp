#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "FakeWindow.h"
#include "tests/common/ExpectedSettingsTexts.h"

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
    expected::Settings values{};
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
    const expected::Settings& v = script.values;
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

// What a click with code 22 must do, given the fields.
expected::Events Success(const expected::Events& fields) {
    return expected::EventsFor(expected::OperationOf(1007), 22, fields);
}

class SettingsReadback : public ::testing::Test {
protected:
    void SetUp() override {
        script = ReadScript();
        script.window = &rig.window;
        script.values = expected::WrittenSettings();
        rig.Entries().Set<Export::ReadSettingValue>(&FakeReadSettingValue);
    }
    OperationRig rig;
};

// A library that answers with the values the settings write sends (which
// the settings-write tests hold the write to).
TEST_F(SettingsReadback, ReadsBackWhatTheWriteSent) {
    ReadSettingValues(rig.Context());
    EXPECT_EQ(rig.window.Sequence(), Success(expected::WrittenSettingsReadback()));
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
    EXPECT_EQ(events[1].text, expected::MessageOf(22));
    EXPECT_EQ(events[1].caption, expected::kResultCaption);
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
        fresh.window.fields[1010] = "( Vibration  = ? )";
        script.values.vibration = vibration;
        ReadSettingValues(fresh.Context());
        EXPECT_EQ(fresh.window.FieldWrites().size(), 18u);
        EXPECT_EQ(fresh.window.fields[1010], "( Vibration  = ? )");
    }
}

// Only 26 and 12 show, without fields; 22 shows, then writes them.
TEST_F(SettingsReadback, EveryCode) {
    ExpectEveryCode(rig, 1007, &ReadSettingValues, script.result,
                    expected::ReadbackFields(script.values));
}

// Only the lowest-addressed byte of a four-byte output counts.
TEST_F(SettingsReadback, FourByteOutputsAreReadByTheirFirstByte) {
    script.fill = Fill::LowestByteOnly;
    script.values.minSpeedLimit = 7;
    script.values.intoIdleTimer = 10;
    script.values.carSpeedLimit = 250;
    ReadSettingValues(rig.Context());
    EXPECT_EQ(rig.window.Sequence(), Success(expected::ReadbackFields(script.values)));
}

// A library that claims success without writing shows zeros, not stack
// contents.
TEST_F(SettingsReadback, SuccessWithoutOutputsShowsZeros) {
    script.fill = Fill::Nothing;
    ReadSettingValues(rig.Context());
    EXPECT_EQ(rig.window.Sequence(), Success(expected::ReadbackFields(expected::Settings{})));
}

TEST_F(SettingsReadback, MissingEntryPointAsksToLink) {
    ExpectAsksToLink(&ReadSettingValues);
    EXPECT_EQ(script.calls, 0);
}

}  // namespace
}  // namespace testing
}  // namespace vantrel
