#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "FakeWindow.h"
#include "tests/common/ExpectedFieldTexts.h"

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

constexpr const char* kImagePath = expected::kFirmwareImagePath;
constexpr int kVersionField = 1020;
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
        rig.window.fields = {{kVersionField, kOldReport}};
        script.result = result;
        operation(rig.Context());
    }
    OperationRig rig;
};

// Exactly the listed codes show their text; 37 writes the report first.
TEST_F(FirmwareOperations, VersionReadCodes) {
    ExpectEveryCode(rig, 1019, &ReadBinFileFirmwareVersion, script.result,
                    expected::BinFileVersionFields("V2.05"));
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
    // The last is filled to the end with no terminator: shown whole, nothing beyond.
    for (const std::string& version : {std::string(), std::string(63, 'x'), std::string(64, 'y')}) {
        script.version = version;
        Run(&ReadBinFileFirmwareVersion, 37);
        EXPECT_EQ(rig.window.fields[kVersionField],
                  expected::BinFileVersionFields(version).front().text);
    }
    EXPECT_TRUE(script.everyBufferZeroed);
}

// 35 shows a second box; the upgrade writes no field.
TEST_F(FirmwareOperations, UpgradeCodes) {
    ExpectEveryCode(rig, 1018, &UpgradeFirmware, script.result, {});
}

TEST_F(FirmwareOperations, UpgradeArguments) {
    for (auto [selection, port] : {std::pair<int, int>{5, 5}, {0, 0}, {-1, 255}, {99, 99}}) {
        rig.window.portSelection = selection;
        Run(&UpgradeFirmware, 35);
        EXPECT_EQ(script.lastPort, port);
        EXPECT_EQ(script.lastPath, kImagePath);
    }
}

TEST_F(FirmwareOperations, MissingEntryPointAsksToLink) {
    ExpectAsksToLink(&ReadBinFileFirmwareVersion);
    ExpectAsksToLink(&UpgradeFirmware);
    EXPECT_EQ(script.calls, 0);
}

}  // namespace
}  // namespace testing
}  // namespace vantrel
