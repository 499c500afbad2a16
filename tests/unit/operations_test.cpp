// Every operation button, clicked through its route against the scripted
// library and compared with the oracle: before linking, with every code of
// the sweep, and with every port selection.
#include <gtest/gtest.h>

#include "app/CommandRoutes.h"
#include "tests/common/ScriptedLibrary.h"

namespace vantrel {
namespace testing {
namespace {

void Click(OperationRig& rig, int button) {
    rig.window.serialNumberText = "1234";  // a number the serial-number button takes
    FindCommandRoute(button)->handler(rig.Context());
}

// The outputs the library delivers: the script's plain ones, none at all, or
// every text buffer filled to its last byte (no terminator, the bin file's
// longer than its buffer), junk above each four-byte value, and extremes.
LibraryScript Variant(int variant) {
    if (variant == 1) {
        return NothingWritten();
    }
    LibraryScript s;
    if (variant == 2) {
        s.dllVersion = std::string(ORLOG7_DLL_VERSION_SIZE, 'V');
        s.firmwareVersion = std::string(ORLOG7_FW_VERSION_SIZE, 'F');
        s.distributorName = std::string(ORLOG7_DISTRIBUTOR_NAME_SIZE, 'D');
        s.modelName = std::string(ORLOG7_MODEL_NAME_SIZE, 'M');
        s.binFileVersion = std::string(ORLOG7_BIN_FILE_VERSION_SIZE + 6, 'B');
        s.serialNumber = 2147483648u;
        std::fill(std::begin(s.time), std::end(s.time), 255);
        s.usedSize = INT32_MIN;
        s.scannedPort = -4;
        s.settings.minSpeedLimit = 7;
        s.settings.carSpeedLimit = 250;
        s.aboveFourByteValues[0] = 0xA5;
        s.aboveFourByteValues[1] = 0x5A;
        s.aboveFourByteValues[2] = 0xC3;
    }
    return s;
}

std::string ExportNameOf(const LibraryCall& call) {
    return kExportNames[static_cast<std::size_t>(call.which)];
}

// One case per operation button, named after its export.
class EveryOperation : public ::testing::TestWithParam<expected::Operation> {};
INSTANTIATE_TEST_SUITE_P(Button, EveryOperation, ::testing::ValuesIn(expected::Operations()),
                         [](const auto& info) { return std::string(info.param.exportName); });

// Before linking: only "Please link library", with no port read, no field
// written, no wait cursor and no call.
TEST_P(EveryOperation, AsksToLinkBeforeLinking) {
    OperationRig linked;
    linked.Link();
    OperationRig empty;
    Click(empty, GetParam().button);
    EXPECT_EQ(empty.window.Sequence(), expected::Events{expected::Box(expected::kPleaseLink)});
    EXPECT_EQ(empty.window.Boxes(), std::vector<std::string>{expected::kPleaseLink});
    EXPECT_TRUE(empty.window.FieldWrites().empty());
    EXPECT_EQ(empty.window.PortReads(), 0);
    EXPECT_EQ(empty.window.busyCount, 0);
    EXPECT_TRUE(Calls().empty());
}

// Every code, with each variant of the outputs: the boxes, the fields before
// or after them, one call of the button's own export under the wait cursor
// with its outputs zeroed, and nothing shown while the cursor is up.
TEST_P(EveryOperation, EveryCodeAsTheOracleSays) {
    const expected::Operation& op = GetParam();
    for (int variant = 0; variant < 3; ++variant) {
        for (int32_t code : expected::SweepCodes()) {
            const std::string what =
                "code " + std::to_string(code) + " variant " + std::to_string(variant);
            OperationRig rig;
            rig.Link() = Variant(variant);
            Script().result = code;
            Click(rig, op.button);
            EXPECT_EQ(rig.window.Sequence(),
                      expected::EventsFor(op, code, ScriptedFields(op.button)))
                << what;
            EXPECT_EQ(rig.window.PortReads(), op.takesPort ? 1 : 0) << what;
            EXPECT_EQ(rig.window.busyCount, 1) << what;
            EXPECT_EQ(rig.window.busyDepth, 0) << what;
            for (const WindowEvent& e : rig.window.events) {
                EXPECT_FALSE(e.busy) << what;
                if (e.kind == WindowEvent::Box) {
                    EXPECT_EQ(e.owner, BoxOwner::MainWindow) << what;
                }
            }
            ASSERT_EQ(Calls().size(), 1u) << what;
            EXPECT_EQ(ExportNameOf(Calls()[0]), op.exportName) << what;
            EXPECT_TRUE(Calls()[0].busy) << what;
            EXPECT_TRUE(Calls()[0].outputsZeroed) << what;
        }
    }
}

// The fixed path each export is handed, if any.
std::string PathOf(int button) {
    switch (button) {
    case 1002:
        return expected::kDumpFilePath;
    case 1004:
        return expected::kWaveFilePath;
    case 1018:
    case 1019:
        return expected::kFirmwareImagePath;
    default:
        return "";
    }
}

// The port is the selector's position in its low 8 bits (no selection, -1,
// is 255), read just before the call; the other operations read none.
TEST_P(EveryOperation, PassesTheSelectedPortOrNone) {
    const expected::Operation& op = GetParam();
    for (auto [selection, port] :
         {std::pair<int, int>{5, 5}, {0, 0}, {-1, 255}, {99, 99}, {7, 7}}) {
        const std::string what = "selection " + std::to_string(selection);
        OperationRig rig;
        rig.Link().result = op.success;
        rig.window.portSelection = selection;
        Click(rig, op.button);
        ASSERT_EQ(Calls().size(), 1u) << what;
        EXPECT_EQ(Calls()[0].port, op.takesPort ? port : -1) << what;
        EXPECT_EQ(Calls()[0].portReadLast, op.takesPort) << what;
        EXPECT_EQ(rig.window.PortReads(), op.takesPort ? 1 : 0) << what;
        EXPECT_EQ(Calls()[0].path, PathOf(op.button)) << what;
        EXPECT_EQ(Calls()[0].serialNumber, op.button == 1027 ? 1234u : 0u) << what;
    }
}

}  // namespace
}  // namespace testing
}  // namespace vantrel
