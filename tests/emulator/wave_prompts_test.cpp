#include <gtest/gtest.h>

#include "EmulatorFakes.h"
#include "ResultCode.h"

namespace orlog7emu {
namespace {

std::string PromptPath(size_t i) {
    return JoinPath(kWaveFolder, WavePromptAt(i).fileName);
}

TEST(WavePrompts, FolderChecks) {
    const Bytes good = MakePromptWave(0);
    Bytes truncated(good.begin(), good.end() - 10);
    Bytes notWave = good;
    notWave[8] = 'A';
    Bytes noData(good.begin(), good.begin() + 36);  // header and fmt only
    noData[4] = 28;                                 // RIFF size that matches the shortened file
    noData[5] = noData[6] = noData[7] = 0;
    Bytes compressed = good;
    compressed[20] = 2;  // format tag: not PCM
    Bytes huge = good;
    huge.resize(kMaxWaveFileSize + 1);
    Bytes biggestAllowed = good;
    biggestAllowed.resize(kMaxWaveFileSize);  // trailing bytes after the RIFF chunk are fine

    struct Case {
        const char* name;
        size_t prompt;
        Bytes file;
        bool remove;
        int32_t expected;
    };
    const Case cases[] = {
        {"all good", 0, good, false, 0},
        {"missing last", WavePromptCount() - 1, Bytes(), true, code::kUncompletedWaveFiles},
        {"truncated", 3, truncated, false, code::kUncompletedWaveFiles},
        {"not WAVE", 2, notWave, false, code::kUncompletedWaveFiles},
        {"no data chunk", 1, noData, false, code::kUncompletedWaveFiles},
        {"not PCM", 1, compressed, false, code::kUncompletedWaveFiles},
        {"over 128 KiB", 4, huge, false, code::kWaveFileOver128K},
        {"exactly 128 KiB", 4, biggestAllowed, false, 0},
    };
    for (const Case& c : cases) {
        LoggerRig rig;
        if (c.remove) {
            rig.fs.files.erase(PromptPath(c.prompt));
        } else if (!c.file.empty()) {
            rig.fs.files[PromptPath(c.prompt)] = c.file;
        }
        EXPECT_EQ(CheckWaveFolder(rig.fs, kWaveFolder), c.expected) << c.name;
    }
}

TEST(WavePrompts, TheFolderMustExist) {
    LoggerRig rig;
    EXPECT_EQ(CheckWaveFolder(rig.fs, ""), code::kErrorWaveFilePath);
    EXPECT_EQ(CheckWaveFolder(rig.fs, "/g/abcd/Wave"), code::kErrorWaveFilePath);
    EXPECT_EQ(CheckWaveFolder(rig.fs, PromptPath(0)), code::kErrorWaveFilePath);
}

TEST(WavePrompts, TheFirstBadPromptInTableOrderDecides) {
    LoggerRig rig;
    Bytes huge(kMaxWaveFileSize + 5, 0);
    rig.fs.files[PromptPath(5)] = huge;
    rig.fs.files.erase(PromptPath(2));
    EXPECT_EQ(CheckWaveFolder(rig.fs, kWaveFolder), code::kUncompletedWaveFiles);
}

}  // namespace
}  // namespace orlog7emu
