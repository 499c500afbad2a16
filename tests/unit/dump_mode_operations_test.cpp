#include <gtest/gtest.h>

#include "FakeWindow.h"
#include "tests/common/ExpectedFieldTexts.h"

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
    OperationRig rig;
};

// Exactly the listed codes show their text; no port read where none is passed.
TEST_F(DumpModeOperations, EachShowsOnlyItsOwnCodes) {
    ExpectEveryCode(rig, 1013, &IntoDumpMode, script.result, {});
    ExpectEveryCode(rig, 1022, &AutoIntoDumpMode, script.result, expected::ScanFields(0));
    ExpectEveryCode(rig, 1014, &ExitDumpMode, script.result, {});
    ExpectEveryCode(rig, 1002, &DumpLogData, script.result, {});
    ExpectEveryCode(rig, 1003, &EraseAllData, script.result, {});
}

TEST_F(DumpModeOperations, MissingEntryPointAsksToLink) {
    for (Handler operation :
         {&IntoDumpMode, &AutoIntoDumpMode, &ExitDumpMode, &DumpLogData, &EraseAllData}) {
        ExpectAsksToLink(operation);
    }
    EXPECT_EQ(script.calls, 0);
}

TEST_F(DumpModeOperations, PortIndexIsTheSelectorsLowByte) {
    for (auto [selection, port] : {std::pair<int, int>{5, 5}, {0, 0}, {-1, 255}, {99, 99}}) {
        rig.window.portSelection = selection;
        IntoDumpMode(rig.Context());
        EXPECT_EQ(script.lastPort, port);
        EraseAllData(rig.Context());
        EXPECT_EQ(script.lastPort, port);
        DumpLogData(rig.Context());
        EXPECT_EQ(script.lastPort, port);
    }
}

TEST_F(DumpModeOperations, DumpAlwaysNamesTheFixedPath) {
    script.result = 2;
    DumpLogData(rig.Context());
    EXPECT_EQ(script.lastPath, expected::kDumpFilePath);
}

// The scan report follows the box, for any code but 3 and 4, and only for a
// scanned port other than 0.
TEST_F(DumpModeOperations, ScanReportCases) {
    struct Case {
        int32_t result;
        int32_t port;
        bool writes;  // false: the library leaves the preset 0
    };
    const Case cases[] = {
        {24, 5, true}, {0, 7, true}, {24, 12, true}, {24, 3, true},  {24, -4, true},
        {3, 5, true},  {4, 5, true}, {24, 0, true},  {24, 9, false},
    };
    const expected::Operation& op = expected::OperationOf(1022);
    for (const Case& c : cases) {
        OperationRig fresh;
        fresh.Entries().Set<Export::AutoIntoDumpMode>(&FakeAutoInto);
        script.result = c.result;
        script.scannedPort = c.port;
        script.writesScannedPort = c.writes;
        AutoIntoDumpMode(fresh.Context());
        EXPECT_EQ(fresh.window.Sequence(),
                  expected::EventsFor(op, c.result, expected::ScanFields(c.writes ? c.port : 0)))
            << c.result << "/" << c.port;
    }
}

}  // namespace
}  // namespace testing
}  // namespace vantrel
