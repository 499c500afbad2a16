#include <gtest/gtest.h>

#include "FakeWindow.h"
#include "operations/Operations.h"
#include "res/resource.h"

namespace vantrel {
namespace testing {
namespace {

// What the scripted library answers and what it was called with.
struct DumpLibraryScript {
    int32_t result = 0;
    int32_t scannedPort = 0;
    bool writesScannedPort = true;
    int calls = 0;
    int lastPort = -1;
    std::string lastPath;
};
DumpLibraryScript script;

Orlog7Result ORLOG7_CALL FakeInto(Orlog7Port port) {
    ++script.calls;
    script.lastPort = port;
    return script.result;
}
Orlog7Result ORLOG7_CALL FakeAutoInto(int32_t* scanned) {
    ++script.calls;
    if (script.writesScannedPort) {
        *scanned = script.scannedPort;
    }
    return script.result;
}
Orlog7Result ORLOG7_CALL FakeExit() {
    ++script.calls;
    return script.result;
}
Orlog7Result ORLOG7_CALL FakeDump(Orlog7Port port, const char* path) {
    ++script.calls;
    script.lastPort = port;
    script.lastPath = path;
    return script.result;
}
Orlog7Result ORLOG7_CALL FakeErase(Orlog7Port port) {
    ++script.calls;
    script.lastPort = port;
    return script.result;
}

class DumpModeOperations : public ::testing::Test {
protected:
    void SetUp() override {
        script = DumpLibraryScript();
        rig.Entries().Set<Export::IntoDumpMode>(&FakeInto);
        rig.Entries().Set<Export::AutoIntoDumpMode>(&FakeAutoInto);
        rig.Entries().Set<Export::ExitDumpMode>(&FakeExit);
        rig.Entries().Set<Export::DumpDb>(&FakeDump);
        rig.Entries().Set<Export::EraseAllDb>(&FakeErase);
    }
    // The boxes `operation` shows for each result code from -1 to 60.
    OperationRig rig;
};

using Boxes = std::vector<std::string>;

// Every code from -1 to 60, plus extremes: exactly the listed ones show their text.
void ExpectOnlyListedCodesShown(OperationRig& rig, void (*operation)(const OperationContext&),
                                const std::map<int32_t, std::string>& listed) {
    for (int32_t code : {-1, 0,  1,  2,  3,  4,  5,  6,  7,   8,   9,         10,       11,
                         12, 13, 14, 24, 25, 26, 27, 99, 255, 256, INT32_MIN, INT32_MAX}) {
        rig.window.events.clear();
        script.result = code;
        operation(rig.Context());
        auto it = listed.find(code);
        Boxes expected = it == listed.end() ? Boxes{} : Boxes{it->second};
        EXPECT_EQ(rig.window.Boxes(), expected) << "code " << code;
    }
}

TEST_F(DumpModeOperations, EachShowsOnlyItsOwnCodes) {
    const std::map<int32_t, std::string> into = {{3, "3 return_open_com_port_Error"},
                                                 {4, "4 return_can_not_into_dump_mode"},
                                                 {24, "24 return_into_dump_mode_successful"}};
    ExpectOnlyListedCodesShown(rig, &IntoDumpMode, into);
    ExpectOnlyListedCodesShown(rig, &AutoIntoDumpMode, into);
    ExpectOnlyListedCodesShown(rig, &ExitDumpMode, {{25, "25 return_exit_dump_mode_successful"}});
    ExpectOnlyListedCodesShown(rig, &DumpLogData,
                               {{26, "26 return_not_dump_mode"},
                                {5, "5 return_pc_not_enough_memory"},
                                {6, "6 return_can_not_build_dump_file"},
                                {7, "7 return_can_not_build_StorDB_file"},
                                {8, "8 return_can_not_build_output_file"},
                                {9, "9 return_can_not_open_dump_file"},
                                {10, "10 return_can_not_open_storDB_file"},
                                {11, "11 return_can_not_open_output_file"},
                                {12, "12 return_device_not_report"},
                                {2, "return_dump_db_successful"}});
    ExpectOnlyListedCodesShown(rig, &EraseAllData,
                               {{26, "26 return_not_dump_mode"},
                                {12, "12 return_device_not_report"},
                                {13, "13 return_erase_db_successful"}});
}

TEST_F(DumpModeOperations, ResultBoxIsOwnedAndCaptioned) {
    script.result = 24;
    IntoDumpMode(rig.Context());
    ASSERT_EQ(rig.window.events.back().kind, WindowEvent::Box);
    EXPECT_EQ(rig.window.events.back().caption, "API-return");
    EXPECT_EQ(rig.window.events.back().owner, BoxOwner::MainWindow);
}

TEST_F(DumpModeOperations, MissingEntryPointAsksToLinkAndReadsNoPort) {
    OperationRig empty;
    for (auto operation :
         {&IntoDumpMode, &AutoIntoDumpMode, &ExitDumpMode, &DumpLogData, &EraseAllData}) {
        empty.window.events.clear();
        operation(empty.Context());
        EXPECT_EQ(empty.window.Boxes(), Boxes{"Please link library"});
        EXPECT_EQ(empty.window.PortReads(), 0);
    }
    EXPECT_EQ(script.calls, 0);
}

TEST_F(DumpModeOperations, PortIndexIsTheSelectorsLowByte) {
    for (auto [selection, expected] : {std::pair<int, int>{5, 5}, {0, 0}, {-1, 255}, {99, 99}}) {
        rig.window.portSelection = selection;
        IntoDumpMode(rig.Context());
        EXPECT_EQ(script.lastPort, expected);
        EraseAllData(rig.Context());
        EXPECT_EQ(script.lastPort, expected);
        DumpLogData(rig.Context());
        EXPECT_EQ(script.lastPort, expected);
    }
}

TEST_F(DumpModeOperations, ExitAndAutoScanNeverReadThePort) {
    for (int32_t code : {25, 26, 24, 0}) {
        script.result = code;
        ExitDumpMode(rig.Context());
        AutoIntoDumpMode(rig.Context());
    }
    EXPECT_EQ(rig.window.PortReads(), 0);
}

TEST_F(DumpModeOperations, DumpAlwaysNamesTheFixedPath) {
    script.result = 2;
    DumpLogData(rig.Context());
    EXPECT_EQ(script.lastPath, "g:\\abcd\\123456.dat");
}

TEST_F(DumpModeOperations, ScanReportFollowsTheBox) {
    script.result = 24;
    script.scannedPort = 5;
    AutoIntoDumpMode(rig.Context());
    ASSERT_EQ(rig.window.events.size(), 2u);
    EXPECT_EQ(rig.window.events[0].text, "24 return_into_dump_mode_successful");
    EXPECT_EQ(rig.window.events[1].kind, WindowEvent::Field);
    EXPECT_EQ(rig.window.events[1].controlId, IDC_AUTO_SCAN_PORT);
    EXPECT_EQ(rig.window.events[1].text, "( Auto Scan to COM 5 )");
}

TEST_F(DumpModeOperations, ScanReportCases) {
    struct Case {
        int32_t result;
        int32_t port;
        bool writes;
        const char* field;  // null: field 1023 untouched
    };
    const Case cases[] = {
        {0, 7, true, "( Auto Scan to COM 7 )"},  // unlisted code still reports
        {24, 12, true, "( Auto Scan to COM 12 )"},
        {24, 3, true, "( Auto Scan to COM 3 )"},  // no leading zero
        {24, -4, true, "( Auto Scan to COM -4 )"},
        {3, 5, true, nullptr},  // failed scans report nothing
        {4, 5, true, nullptr},
        {24, 0, true, nullptr},   // nothing found
        {24, 9, false, nullptr},  // library wrote nothing: still 0
    };
    for (const Case& c : cases) {
        OperationRig fresh;
        fresh.Entries().Set<Export::AutoIntoDumpMode>(&FakeAutoInto);
        script.result = c.result;
        script.scannedPort = c.port;
        script.writesScannedPort = c.writes;
        AutoIntoDumpMode(fresh.Context());
        if (c.field == nullptr) {
            EXPECT_TRUE(fresh.window.FieldWrites().empty()) << c.result << "/" << c.port;
        } else {
            EXPECT_EQ(fresh.window.fields[IDC_AUTO_SCAN_PORT], c.field);
        }
    }
}

TEST_F(DumpModeOperations, LibraryCallRunsUnderTheWaitCursor) {
    script.result = 13;
    EraseAllData(rig.Context());
    EXPECT_EQ(rig.window.busyCount, 1);
    EXPECT_EQ(rig.window.busyDepth, 0);
    EXPECT_FALSE(rig.window.events.back().busy);  // the box comes after the cursor is back
}

}  // namespace
}  // namespace testing
}  // namespace vantrel
