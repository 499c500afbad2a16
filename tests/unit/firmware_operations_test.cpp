#include <gtest/gtest.h>

#include "tests/common/ScriptedLibrary.h"

namespace vantrel {
namespace testing {
namespace {

// Every read starts from a zeroed buffer, whatever the last one left on the
// stack; a version filled to the end without a terminator shows whole and
// nothing beyond.
TEST(FirmwareOperations, VersionTexts) {
    OperationRig rig;
    LibraryScript& script = rig.Link();
    script.result = 37;
    for (const std::string& version :
         {std::string(64, 'z'), std::string(), std::string(63, 'x'), std::string(64, 'y')}) {
        script.binFileVersion = version;
        ReadBinFileFirmwareVersion(rig.Context());
        EXPECT_EQ(rig.window.fields[1020], expected::BinFileVersionFields(version).front().text);
        EXPECT_TRUE(Calls().back().outputsZeroed) << version;
    }
}

}  // namespace
}  // namespace testing
}  // namespace vantrel
