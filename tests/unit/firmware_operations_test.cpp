#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>

#include "FakeWindow.h"
#include "operations/Operations.h"
#include "res/resource.h"

namespace vantrel {
namespace testing {
namespace {

struct FirmwareScript {
    int32_t result = 0;
    std::string version = "V2.05";
    bool everyBufferZeroed = true;  // over all calls, so stale stack bytes show
    int calls = 0;
    int lastPort = -1;
    std::string lastPath;
};
FirmwareScript script;

Orlog7Result ORLOG7_CALL FakeReadBinFileVersion(char* version, const char* path) {
    ++script.calls;
    script.lastPath = path;
    script.everyBufferZeroed &=
        std::all_of(version, version + ORLOG7_BIN_FILE_VERSION_SIZE, [](char c) { return c == 0; });
    std::memcpy(version, script.version.data(),
                std::min<std::size_t>(script.version.size(), ORLOG7_BIN_FILE_VERSION_SIZE));
    return script.result;
}
Orlog7Result ORLOG7_CALL FakeUpgrade(Orlog7Port port, const char* path) {
    ++script.calls;
    script.lastPort = port;
    script.lastPath = path;
    return script.result;
}

using Boxes = std::vector<std::string>;
constexpr const char* kImagePath = "g:\\abcd\\binfile\\ORLOG7_Encode.Bin";
constexpr const char* kOldReport = "( Bin File FW Version = ? )";

class FirmwareOperations : public ::testing::Test {
protected:
    void SetUp() override {
        script = FirmwareScript();
        rig.Entries().Set<Export::ReadBinFileFwVersion>(&FakeReadBinFileVersion);
        rig.Entries().Set<Export::FwUpgrade>(&FakeUpgrade);
    }
    void Run(void (*operation)(const OperationContext&), int32_t result) {
        rig.window.events.clear();
        rig.window.fields = {{IDC_BIN_FILE_VERSION, kOldReport}};
        script.result = result;
        operation(rig.Context());
    }
    OperationRig rig;
};

std::vector<int32_t> CodesToTry() {
    std::vector<int32_t> codes = {INT32_MIN, INT32_MAX};
    for (int32_t code = -1; code <= 60; ++code) {
        codes.push_back(code);
    }
    return codes;
}

TEST_F(FirmwareOperations, VersionReadCodes) {
    const std::map<int32_t, std::string> failures = {
        {5, "5 return_pc_not_enough_memory"},    {31, "31 return_error_bin_file_path"},
        {32, "32 return_can_not_open_bin_file"}, {33, "33 return_bin_file_size_error"},
        {34, "34 return_not_correct_bin_file"},  {36, "36 return_bin_file_checksum_error"},
    };
    for (int32_t code : CodesToTry()) {
        Run(&ReadBinFileFirmwareVersion, code);
        auto failure = failures.find(code);
        if (code == 37) {
            EXPECT_EQ(rig.window.Boxes(), Boxes{"37 return_read_binfile_FW_version_successful"});
            EXPECT_EQ(rig.window.fields[IDC_BIN_FILE_VERSION], "( Bin File FW Version = V2.05 )");
        } else {
            // 26 and 35 belong to other operations: nothing at all.
            const Boxes expected = failure == failures.end() ? Boxes{} : Boxes{failure->second};
            EXPECT_EQ(rig.window.Boxes(), expected) << code;
            EXPECT_TRUE(rig.window.FieldWrites().empty()) << code;
        }
    }
}

TEST_F(FirmwareOperations, VersionReportIsInPlaceWhileTheBoxIsOpen) {
    std::string whileOpen;
    rig.window.onBox = [&](const WindowEvent&) {
        whileOpen = rig.window.fields[IDC_BIN_FILE_VERSION];
    };
    Run(&ReadBinFileFirmwareVersion, 37);
    EXPECT_EQ(whileOpen, "( Bin File FW Version = V2.05 )");
}

TEST_F(FirmwareOperations, VersionReadArguments) {
    for (int selection : {-1, 0, 7}) {
        rig.window.portSelection = selection;
        Run(&ReadBinFileFirmwareVersion, 37);
        EXPECT_EQ(rig.window.PortReads(), 0);
    }
    EXPECT_EQ(script.lastPath, kImagePath);
    EXPECT_TRUE(script.everyBufferZeroed);
}

TEST_F(FirmwareOperations, VersionTexts) {
    script.version = std::string(64, 'z');  // leaves the stack dirty for the next read
    Run(&ReadBinFileFirmwareVersion, 37);
    const std::pair<std::string, std::string> cases[] = {
        {"", "( Bin File FW Version =  )"},
        {std::string(63, 'x'), "( Bin File FW Version = " + std::string(63, 'x') + " )"},
        // Filled to the end with no terminator: shown whole, nothing beyond.
        {std::string(64, 'y'), "( Bin File FW Version = " + std::string(64, 'y') + " )"},
    };
    for (const auto& c : cases) {
        script.version = c.first;
        Run(&ReadBinFileFirmwareVersion, 37);
        EXPECT_EQ(rig.window.fields[IDC_BIN_FILE_VERSION], c.second);
    }
    EXPECT_TRUE(script.everyBufferZeroed);
}

TEST_F(FirmwareOperations, UpgradeCodes) {
    const std::map<int32_t, Boxes> listed = {
        {5, {"5 return_pc_not_enough_memory"}},
        {26, {"26 return_not_dump_mode"}},
        {31, {"31 return_error_bin_file_path"}},
        {32, {"32 return_can_not_open_bin_file"}},
        {33, {"33 return_bin_file_size_error"}},
        {34, {"34 return_not_correct_bin_file"}},
        {36, {"36 return_bin_file_checksum_error"}},
        {35,
         {"35 return_upgrade_firmware_successful", "F/W Upgrade Finish,Please Remove USB Cable"}},
    };
    for (int32_t code : CodesToTry()) {
        Run(&UpgradeFirmware, code);
        auto it = listed.find(code);
        EXPECT_EQ(rig.window.Boxes(), it == listed.end() ? Boxes{} : it->second) << code;
        EXPECT_TRUE(rig.window.FieldWrites().empty()) << code;
    }
}

TEST_F(FirmwareOperations, UpgradeBoxesAreResultBoxes) {
    Run(&UpgradeFirmware, 35);
    for (const WindowEvent& e : rig.window.events) {
        if (e.kind == WindowEvent::Box) {
            EXPECT_EQ(e.caption, "API-return");
            EXPECT_EQ(e.owner, BoxOwner::MainWindow);
            EXPECT_FALSE(e.busy);
        }
    }
}

TEST_F(FirmwareOperations, UpgradeArguments) {
    for (auto [selection, expected] : {std::pair<int, int>{5, 5}, {0, 0}, {-1, 255}, {99, 99}}) {
        rig.window.portSelection = selection;
        Run(&UpgradeFirmware, 35);
        EXPECT_EQ(script.lastPort, expected);
        EXPECT_EQ(script.lastPath, kImagePath);
    }
}

TEST_F(FirmwareOperations, MissingEntryPointAsksToLink) {
    OperationRig empty;
    empty.window.fields = {{IDC_BIN_FILE_VERSION, kOldReport}};
    for (auto operation : {&ReadBinFileFirmwareVersion, &UpgradeFirmware}) {
        empty.window.events.clear();
        operation(empty.Context());
        EXPECT_EQ(empty.window.Boxes(), Boxes{"Please link library"});
        EXPECT_EQ(empty.window.PortReads(), 0);
    }
    EXPECT_EQ(empty.window.fields[IDC_BIN_FILE_VERSION], kOldReport);
    EXPECT_EQ(script.calls, 0);
}

}  // namespace
}  // namespace testing
}  // namespace vantrel
