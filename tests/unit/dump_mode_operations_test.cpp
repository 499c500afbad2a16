#include <gtest/gtest.h>

#include "tests/common/ScriptedLibrary.h"

namespace vantrel {
namespace testing {
namespace {

// The scan report follows the box, for any code but 3 and 4, and only for a
// scanned port other than 0.
TEST(DumpModeOperations, ScanReportCases) {
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
        OperationRig rig;
        LibraryScript& script = rig.Link();
        script.result = c.result;
        script.scannedPort = c.port;
        script.writesOutputs = c.writes;
        AutoIntoDumpMode(rig.Context());
        EXPECT_EQ(rig.window.Sequence(),
                  expected::EventsFor(op, c.result, expected::ScanFields(c.writes ? c.port : 0)))
            << c.result << "/" << c.port;
    }
}

}  // namespace
}  // namespace testing
}  // namespace vantrel
