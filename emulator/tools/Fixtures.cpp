// orlog7-fixtures: writes the files the emulated logger reads.
//
//   orlog7-fixtures image <file> <version>   a valid firmware image
//   orlog7-fixtures waves <folder>           the voice prompts, VP01..VP08.wav
//   orlog7-fixtures scenario <state> <folder>
//                                            a fixed session on a fixed clock:
//                                            writes the state file <state> and
//                                            the dump <folder>/123456.dat
//   orlog7-fixtures redump <state> <dump>    the dump of the logger <state>
//                                            holds, at the scenario's end
//
// The last two give the same bytes from every build (32-bit, 64-bit, host):
// the tests compare them with golden files, and a state file one build
// wrote is read back by the other.
//
// Builds for the host and for Windows (an end-to-end rig can run it under
// Wine with Windows paths of any length). Missing folders are created. It
// writes through the emulator's own file system of its platform.
#include <cstdio>
#include <cstring>
#include <string>

#include "Clock.h"
#include "FirmwareImage.h"
#include "LoggerState.h"
#include "MachineLocks.h"
#include "ResultCode.h"
#include "StateStore.h"
#include "VirtualLogger.h"
#include "WavePrompts.h"
#ifdef _WIN32
#include "TextConversion.h"
#include "Win32FileSystem.h"
#else
#include "PosixFileSystem.h"
#endif

namespace {

using namespace orlog7emu;

#ifdef _WIN32
using PlatformFileSystem = Win32FileSystem;
// Arguments come in the system code page; the file system takes UTF-8.
std::string PathArgument(const char* argument) {
    return CodePageToUtf8(argument);
}
#else
using PlatformFileSystem = PosixFileSystem;
std::string PathArgument(const char* argument) {
    return argument;
}
#endif

int Usage() {
    std::fprintf(stderr,
                 "usage: orlog7-fixtures image <file> <version>\n"
                 "       orlog7-fixtures waves <folder>\n"
                 "       orlog7-fixtures scenario <state file> <folder>\n"
                 "       orlog7-fixtures redump <state file> <dump file>\n"
                 "The version is 1 to %u printable ASCII characters.\n",
                 static_cast<unsigned>(kFirmwareVersionMaxLength));
    return 2;
}

int WriteImage(FileSystem& fs, const std::string& path, const std::string& version) {
    if (!IsValidFirmwareVersion(version)) {
        std::fprintf(stderr,
                     "orlog7-fixtures: version \"%s\" is not 1 to %u printable characters\n",
                     version.c_str(), static_cast<unsigned>(kFirmwareVersionMaxLength));
        return 1;
    }
    if (!fs.CreateDirectories(ParentDirectory(path)) ||
        !fs.WriteFileAtomic(path, BuildImage(version))) {
        std::fprintf(stderr, "orlog7-fixtures: cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("%s: firmware image, version %s\n", path.c_str(), version.c_str());
    return 0;
}

int WriteWaves(FileSystem& fs, const std::string& folder) {
    if (!fs.CreateDirectories(folder)) {
        std::fprintf(stderr, "orlog7-fixtures: cannot create %s\n", folder.c_str());
        return 1;
    }
    for (size_t i = 0; i < WavePromptCount(); ++i) {
        const std::string path = JoinPath(folder, WavePromptAt(i).fileName);
        if (!fs.WriteFileAtomic(path, MakePromptWave(i))) {
            std::fprintf(stderr, "orlog7-fixtures: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    std::printf("%s: %u voice prompts\n", folder.c_str(), static_cast<unsigned>(WavePromptCount()));
    return 0;
}

// The scenario's clock: it moves only when told.
class FixedClock : public Clock {
public:
    int64_t NowUnixSeconds() const override { return now; }
    void SleepMilliseconds(uint32_t) override {}
    int64_t now = 1780000000;  // 2026-05-28 20:26:40 UTC
};

// The tool is the logger's only user.
class SoleProcessLocks : public MachineLocks {
public:
    bool LockState() override { return true; }
    void UnlockState() override {}
    bool HoldPort(uint8_t) override { return true; }
    void ReleasePort() override {}
};

constexpr uint8_t kScenarioPort = kDefaultLoggerPort;
constexpr int64_t kScenarioLoggingSeconds = 120;

// The factory's settings with a one-second interval and one user point.
LoggerSettings ScenarioSettings() {
    LoggerSettings settings = FactorySettings();
    settings.timeInterval = 1;
    settings.userPoints[0] =
        UserPoint{0, 121, 38, 46, 5, 0, 25, 3, 38, 35, 1, {0xFF, 0xFF}, 1, {0xFF, 0xFF}};
    return settings;
}

int Failed(const char* step, int32_t answer) {
    std::fprintf(stderr, "orlog7-fixtures: the scenario's %s answered %d\n", step,
                 static_cast<int>(answer));
    return 1;
}

// A logger that is set up, given a serial number and left logging for two
// minutes, then dumped.
int RunScenario(FileSystem& fs, const std::string& statePath, const std::string& folder) {
    const std::string waves = JoinPath(folder, "WaveFile");
    if (WriteWaves(fs, waves) != 0) {
        return 1;
    }
    FixedClock clock;
    SoleProcessLocks locks;
    StateStore store(fs, statePath);
    int32_t answer = 0;
    {
        VirtualLogger logger(EmulatorConfig(), clock, fs, store, locks);
        if ((answer = logger.IntoDumpMode(kScenarioPort)) != code::kIntoDumpModeSuccessful) {
            return Failed("dump-mode entry", answer);
        }
        if ((answer = logger.WriteSettings(kScenarioPort, ScenarioSettings(), waves)) !=
            code::kSettingSuccessful) {
            return Failed("settings write", answer);
        }
        if ((answer = logger.SetSerialNumber(1234567)) != code::kSerialNumberSet) {
            return Failed("serial number", answer);
        }
        if ((answer = logger.ExitDumpMode()) != code::kExitDumpModeSuccessful) {
            return Failed("dump-mode exit", answer);
        }
    }
    clock.now += kScenarioLoggingSeconds;
    VirtualLogger logger(EmulatorConfig(), clock, fs, store, locks);
    if ((answer = logger.IntoDumpMode(kScenarioPort)) != code::kIntoDumpModeSuccessful) {
        return Failed("second dump-mode entry", answer);
    }
    const std::string dump = JoinPath(folder, "123456.dat");
    if ((answer = logger.DumpLog(kScenarioPort, dump)) != code::kDumpSuccessful) {
        return Failed("dump", answer);
    }
    std::printf("%s: the scenario's state; %s: its dump\n", statePath.c_str(), dump.c_str());
    return 0;
}

// The dump of a state file at the scenario's end, with nothing logged since.
int Redump(FileSystem& fs, const std::string& statePath, const std::string& dump) {
    FixedClock clock;
    clock.now += kScenarioLoggingSeconds;
    SoleProcessLocks locks;
    StateStore store(fs, statePath);
    VirtualLogger logger(EmulatorConfig(), clock, fs, store, locks);
    int32_t answer = 0;
    if ((answer = logger.IntoDumpMode(kScenarioPort)) != code::kIntoDumpModeSuccessful) {
        return Failed("dump-mode entry", answer);
    }
    if ((answer = logger.DumpLog(kScenarioPort, dump)) != code::kDumpSuccessful) {
        return Failed("dump", answer);
    }
    std::printf("%s: the dump of %s\n", dump.c_str(), statePath.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    PlatformFileSystem fs;
    if (argc == 4 && std::strcmp(argv[1], "image") == 0) {
        return WriteImage(fs, PathArgument(argv[2]), argv[3]);
    }
    if (argc == 3 && std::strcmp(argv[1], "waves") == 0) {
        return WriteWaves(fs, PathArgument(argv[2]));
    }
    if (argc == 4 && std::strcmp(argv[1], "scenario") == 0) {
        return RunScenario(fs, PathArgument(argv[2]), PathArgument(argv[3]));
    }
    if (argc == 4 && std::strcmp(argv[1], "redump") == 0) {
        return Redump(fs, PathArgument(argv[2]), PathArgument(argv[3]));
    }
    return Usage();
}
