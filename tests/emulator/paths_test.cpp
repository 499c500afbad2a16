// Paths of any length and any form: the state file and the dump either work
// or answer their code (4 for dump mode, 6 for the dump), never more.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "EmulatorFakes.h"
#include "PosixFileSystem.h"
#include "ResultCode.h"

namespace orlog7emu {
namespace {

TEST(Paths, RootsHaveNoParent) {
    struct Case {
        const char* path;
        const char* root;
        const char* parent;
    };
    const Case cases[] = {
        {"C:\\a\\b.dat", "C:\\", "C:\\a"},
        {"C:\\a", "C:\\", "C:\\"},
        {"C:\\", "C:\\", ""},
        {"g:b.dat", "g:", "g:"},
        {"\\\\server\\share\\a\\b", "\\\\server\\share\\", "\\\\server\\share\\a"},
        {"\\\\server\\share\\a", "\\\\server\\share\\", "\\\\server\\share\\"},
        {"\\\\?\\C:\\a\\b", "\\\\?\\C:\\", "\\\\?\\C:\\a"},
        {"\\\\?\\C:\\a", "\\\\?\\C:\\", "\\\\?\\C:\\"},
        {"\\\\?\\UNC\\server\\share\\a", "\\\\?\\UNC\\server\\share\\",
         "\\\\?\\UNC\\server\\share\\"},
        {"\\a\\b", "\\", "\\a"},
        {"/tmp/a", "/", "/tmp"},
        {"/", "/", ""},
        {"a\\b", "", "a"},
        {"b.dat", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PathRoot(c.path), c.root) << c.path;
        EXPECT_EQ(ParentDirectory(c.path), c.parent) << c.path;
    }
}

// "<base>/bbb.../bbb...", `length` characters in all, no name over 200.
std::string FolderOfLength(const std::string& base, size_t length) {
    std::string folder = base;
    while (folder.size() < length) {
        const size_t left = length - folder.size() - 1;
        // Never leave room for only a separator.
        const size_t name = left > 200 ? (left - 200 < 2 ? 190 : 200) : left;
        folder += "/" + std::string(name, 'b');
    }
    return folder;
}

TEST(Paths, AFolderOfAnyLengthWorksOrAnswersItsCode) {
    char pattern[] = "/tmp/orlog7-paths-XXXXXX";
    const std::string base = mkdtemp(pattern);
    PosixFileSystem fs;
    FakeMachine machine;
    for (size_t length : {247, 248, 259, 260, 300, 1000, 5000}) {
        const std::string folder = FolderOfLength(base, length);
        ASSERT_EQ(folder.size(), length);
        const bool possible = length < PATH_MAX;  // the host's own limit
        const std::string what = std::to_string(length) + " characters";
        EXPECT_EQ(fs.CreateDirectories(folder), possible) << what;

        // The state file in the folder.
        EmulatorConfig config;
        FakeClock clock{kTestNow};
        FakeMachineLocks locks{machine};
        StateStore store(fs, folder + "/logger.state");
        VirtualLogger logger(config, clock, fs, store, locks);
        EXPECT_EQ(logger.IntoDumpMode(5),
                  possible ? code::kIntoDumpModeSuccessful : code::kCannotIntoDumpMode)
            << what;
        // A dump into it, by a logger whose state lives elsewhere.
        StateStore otherStore(fs, base + "/logger.state");
        VirtualLogger other(config, clock, fs, otherStore, locks);
        logger.ExitDumpMode();
        ASSERT_EQ(other.IntoDumpMode(5), code::kIntoDumpModeSuccessful) << what;
        EXPECT_EQ(other.DumpLog(5, folder + "/123456.dat"),
                  possible ? code::kDumpSuccessful : code::kCannotBuildDumpFile)
            << what;
        EXPECT_EQ(other.ExitDumpMode(), code::kExitDumpModeSuccessful) << what;
    }
    std::system(("rm -rf '" + base + "'").c_str());
}

}  // namespace
}  // namespace orlog7emu
