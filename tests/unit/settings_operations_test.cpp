#include <gtest/gtest.h>

#include "tests/common/ScriptedLibrary.h"

namespace vantrel {
namespace testing {
namespace {

// Two clicks send the fixed values, path and table, under the wait cursor,
// each with the port read just before (no selection: 255).
TEST(SettingsWrite, SendsTheFixedArgumentsWithAFreshlyReadPort) {
    OperationRig rig;
    rig.Link().result = 14;
    rig.window.portSelection = 5;
    WriteDeviceSettings(rig.Context());
    rig.window.portSelection = -1;
    WriteDeviceSettings(rig.Context());
    ASSERT_EQ(Calls().size(), 2u);
    EXPECT_EQ(Calls()[0].port, 5);
    EXPECT_EQ(Calls()[1].port, 255);
    EXPECT_EQ(rig.window.PortReads(), 2);
    for (const LibraryCall& sent : Calls()) {
        EXPECT_EQ(sent.settings, expected::WrittenSettings());
        EXPECT_EQ(sent.settings.displacementInterval, -1);  // all 32 bits, not 255
        EXPECT_EQ(sent.path, expected::kWaveFilePath);
        EXPECT_TRUE(sent.busy);
        EXPECT_TRUE(sent.portReadLast);
    }
    EXPECT_EQ(rig.window.busyDepth, 0);
}

// A library that answers with the values the write sends.
TEST(SettingsReadback, ReadsBackWhatTheWriteSent) {
    OperationRig rig;
    rig.Link().result = 22;
    ReadSettingValues(rig.Context());
    EXPECT_EQ(rig.window.Sequence(), expected::EventsFor(expected::OperationOf(1007), 22,
                                                         expected::WrittenSettingsReadback()));
}

TEST(SettingsReadback, FieldsAreWrittenOnlyAfterTheBoxIsClosed) {
    OperationRig rig;
    rig.Link().result = 22;
    rig.window.portSelection = 7;
    std::size_t eventsWhileOpen = 0;
    rig.window.onBox = [&](const WindowEvent&) { eventsWhileOpen = rig.window.events.size(); };
    ReadSettingValues(rig.Context());

    EXPECT_EQ(Calls().back().port, 7);
    EXPECT_TRUE(Calls().back().busy);
    EXPECT_TRUE(Calls().back().outputsZeroed);
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

TEST(SettingsReadback, VibrationNeitherZeroNorTwoKeepsItsField) {
    for (uint8_t vibration : {1, 3, 255}) {
        OperationRig rig;
        LibraryScript& script = rig.Link();
        script.result = 22;
        script.settings.vibration = vibration;
        rig.window.fields[1010] = "( Vibration  = ? )";
        ReadSettingValues(rig.Context());
        EXPECT_EQ(rig.window.FieldWrites().size(), 18u);
        EXPECT_EQ(rig.window.fields[1010], "( Vibration  = ? )");
    }
}

}  // namespace
}  // namespace testing
}  // namespace vantrel
