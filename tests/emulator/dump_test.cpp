#include <gtest/gtest.h>

#include <dirent.h>
#include <unistd.h>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "Crc32.h"
#include "DumpFormat.h"
#include "EmulatorFakes.h"
#include "PosixFileSystem.h"
#include "ResultCode.h"

namespace orlog7emu {
namespace {

// A real folder, so the temporary-file-and-rename path runs for real.
class TempFolder {
public:
    TempFolder() {
        char pattern[] = "/tmp/orlog7-dump-XXXXXX";
        path_ = mkdtemp(pattern);
    }
    ~TempFolder() { std::system(("rm -rf '" + path_ + "'").c_str()); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// The names in a folder, "." and ".." aside.
std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

struct PosixRig {
    PosixRig()
        : store(fs, folder.Path() + "/state/logger.state"),
          logger(config, clock, fs, store, locks) {
        logger.IntoDumpMode(5);
    }
    TempFolder folder;
    EmulatorConfig config;
    FakeClock clock{kTestNow};
    PosixFileSystem fs;
    FakeMachine machine;
    FakeMachineLocks locks{machine};
    StateStore store;
    VirtualLogger logger;
};

TEST(Dump, WritesTheLogInTheDocumentedFormat) {
    PosixRig rig;
    const std::string path = rig.folder.Path() + "/123456.dat";
    ASSERT_EQ(rig.logger.DumpLog(5, path), code::kDumpSuccessful);

    Bytes bytes;
    ASSERT_EQ(rig.fs.ReadFile(path, 1 << 23, bytes), ReadStatus::Ok);
    EXPECT_EQ(bytes.size(), kDumpHeaderSize + kFactoryTrackFixes * kFixRecordSize + 4);
    DumpContents dump;
    ASSERT_TRUE(DecodeDump(bytes, dump));
    EXPECT_EQ(dump.firmwareVersion, "V1.00");
    EXPECT_EQ(dump.dumpedAt, static_cast<uint32_t>(kTestNow));
    ASSERT_EQ(dump.fixes.size(), kFactoryTrackFixes);
    EXPECT_EQ(dump.fixes[0].utcSeconds, static_cast<uint32_t>(kFactoryTrackStart));
    EXPECT_EQ(dump.fixes[1].utcSeconds - dump.fixes[0].utcSeconds, 5u);
    EXPECT_EQ(Names(rig.folder.Path()), (std::vector<std::string>{"123456.dat", "state"}));
}

// The temporary file has a short name of its own, so the longest name works.
TEST(Dump, AnyLegalNameWorksAndTheStateFileIsNoDestination) {
    PosixRig rig;
    const std::string longName(255, 'd');
    EXPECT_EQ(rig.logger.DumpLog(5, rig.folder.Path() + "/" + longName), code::kDumpSuccessful);
    EXPECT_EQ(Names(rig.folder.Path()), (std::vector<std::string>{longName, "state"}));

    // Another spelling of the state file's path is still the state file.
    const std::string state = rig.folder.Path() + "/state/logger.state";
    Bytes before;
    ASSERT_EQ(rig.fs.ReadFile(state, 1 << 23, before), ReadStatus::Ok);
    EXPECT_EQ(rig.logger.DumpLog(5, rig.folder.Path() + "/state/../state/logger.state"),
              code::kCannotBuildDumpFile);
    Bytes after;
    ASSERT_EQ(rig.fs.ReadFile(state, 1 << 23, after), ReadStatus::Ok);
    EXPECT_EQ(after, before);
    EXPECT_EQ(Names(rig.folder.Path() + "/state"), std::vector<std::string>{"logger.state"});
}

TEST(Dump, AMissingFolderGivesSixAndNoFile) {
    PosixRig rig;
    const std::string path = rig.folder.Path() + "/missing/123456.dat";
    EXPECT_EQ(rig.logger.DumpLog(5, path), code::kCannotBuildDumpFile);
    EXPECT_EQ(rig.logger.DumpLog(5, ""), code::kCannotBuildDumpFile);
    EXPECT_FALSE(rig.fs.IsDirectory(rig.folder.Path() + "/missing"));
}

TEST(Dump, ADestinationThatIsAFolderGivesSixAndLeavesNoTemporary) {
    PosixRig rig;
    const std::string path = rig.folder.Path() + "/taken";
    ASSERT_TRUE(rig.fs.CreateDirectories(path + "/inside"));
    EXPECT_EQ(rig.logger.DumpLog(5, path), code::kCannotBuildDumpFile);
    EXPECT_EQ(Names(rig.folder.Path()), (std::vector<std::string>{"state", "taken"}));
    EXPECT_TRUE(rig.fs.IsDirectory(path + "/inside"));
}

// A kill can cut a save short after its temporary file was made; the next
// change removes such leftovers from the state's folder, and nothing else.
TEST(Dump, TheNextChangeRemovesLeftoversOfCutShortSaves) {
    PosixRig rig;
    const std::string state = rig.folder.Path() + "/state";
    for (const char* name : {".or7-a1B2c3", ".or7-zzzzzz", ".or7-keeps-it", "notes.txt"})
        ASSERT_TRUE(rig.fs.WriteFileAtomic(state + "/" + name, Bytes(3, 1)));
    ASSERT_EQ(rig.logger.EraseLog(5), code::kEraseSuccessful);
    EXPECT_EQ(Names(state),
              (std::vector<std::string>{".or7-keeps-it", "logger.state", "notes.txt"}));
}

// More records than the log holds is no dump of this logger; the count is
// compared before it is multiplied (16 * 0x10000001 wraps to 16 in 32 bits).
TEST(Dump, ARecordCountAboveTheCapacityIsRefused) {
    for (const uint32_t count : {uint32_t{kLogCapacityRecords + 1}, uint32_t{0x10000001}}) {
        const size_t records = count == 0x10000001 ? 1 : count;
        Bytes bytes;
        ByteWriter out(bytes);
        out.Raw(reinterpret_cast<const uint8_t*>("OR7D"), 4);
        out.U16(1);
        out.U16(kFixRecordSize);
        out.U32(count);
        bytes.resize(kDumpHeaderSize + records * kFixRecordSize);  // the rest zero
        out.U32(Crc32(bytes.data(), bytes.size()));
        DumpContents contents;
        EXPECT_FALSE(DecodeDump(bytes, contents)) << count;
    }
}

TEST(Dump, TheChecksumIsZlibsCrc32) {
    const std::string texts[] = {"", "123456789", "The quick brown fox jumps over the lazy dog"};
    const uint32_t expected[] = {0, 0xCBF43926u, 0x414FA339u};
    for (size_t i = 0; i < 3; ++i) {
        const auto* data = reinterpret_cast<const uint8_t*>(texts[i].data());
        EXPECT_EQ(Crc32(data, texts[i].size()), expected[i]) << texts[i];
    }
}

TEST(Dump, AFailedWriteLeavesTheEarlierDumpWhole) {
    LoggerRig rig;
    rig.Logger().IntoDumpMode(5);
    ASSERT_EQ(rig.Logger().DumpLog(5, kDumpPath), code::kDumpSuccessful);
    const Bytes first = rig.fs.files[kDumpPath];
    rig.Logger().EraseLog(5);
    rig.fs.failWrites = true;
    EXPECT_EQ(rig.Logger().DumpLog(5, kDumpPath), code::kCannotBuildDumpFile);
    EXPECT_EQ(rig.fs.files[kDumpPath], first);
}

TEST(Dump, AnUnwritableFolderGivesSix) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes anywhere";
    PosixRig rig;
    const std::string locked = rig.folder.Path() + "/locked";
    ASSERT_TRUE(rig.fs.CreateDirectories(locked));
    std::system(("chmod 555 '" + locked + "'").c_str());
    EXPECT_EQ(rig.logger.DumpLog(5, locked + "/123456.dat"), code::kCannotBuildDumpFile);
    std::system(("chmod 755 '" + locked + "'").c_str());
}

TEST(Dump, TransferTakesTheConfiguredTimePerKiB) {
    EmulatorConfig config;
    config.transferDelayMsPerKiB = 10;
    LoggerRig rig(config);
    rig.Logger().IntoDumpMode(5);
    rig.Logger().DumpLog(5, kDumpPath);
    const size_t kib = (kDumpHeaderSize + kFactoryTrackFixes * kFixRecordSize + 4 + 1023) / 1024;
    EXPECT_EQ(rig.clock.slept, kib * 10);
}

TEST(Dump, EraseEmptiesTheLogAndTheNextDump) {
    LoggerRig rig;
    rig.Logger().IntoDumpMode(5);
    EXPECT_EQ(rig.Logger().EraseLog(5), code::kEraseSuccessful);
    int32_t used = -1;
    EXPECT_EQ(rig.Logger().ReadMemoryUsed(used), code::kReadMemoryUsedSuccessful);
    EXPECT_EQ(used, 0);
    ASSERT_EQ(rig.Logger().DumpLog(5, kDumpPath), code::kDumpSuccessful);
    DumpContents dump;
    ASSERT_TRUE(DecodeDump(rig.fs.files[kDumpPath], dump));
    EXPECT_TRUE(dump.fixes.empty());
}

}  // namespace
}  // namespace orlog7emu
