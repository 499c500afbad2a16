// Test doubles for the emulator's seams: a clock the test moves, an
// in-memory file system that can be told to fail, and the machine's port
// holds and state lock, shared by the "processes" of a test.
#ifndef VANTREL_TESTS_EMULATOR_EMULATORFAKES_H
#define VANTREL_TESTS_EMULATOR_EMULATORFAKES_H

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>

#include "Clock.h"
#include "EmulatorConfig.h"
#include "FileSystem.h"
#include "FirmwareImage.h"
#include "MachineLocks.h"
#include "StateStore.h"
#include "VirtualLogger.h"
#include "WavePrompts.h"
#include "tests/common/ExpectedSettingsTexts.h"

namespace orlog7emu {

class FakeClock : public Clock {
public:
    explicit FakeClock(int64_t now) : now_(now) {}
    int64_t NowUnixSeconds() const override { return now_; }
    void SleepMilliseconds(uint32_t ms) override { slept += ms; }
    void Advance(int64_t seconds) { now_ += seconds; }
    uint64_t slept = 0;

private:
    int64_t now_;
};

class MemoryFileSystem : public FileSystem {
public:
    bool IsDirectory(const std::string& path) const override { return dirs.count(path) != 0; }

    ReadStatus ReadFile(const std::string& path, size_t maxBytes, Bytes& out) const override {
        if (dirs.count(path))
            return ReadStatus::IsDirectory;
        if (unreadable.count(path))
            return ReadStatus::OpenFailed;
        const auto it = files.find(path);
        if (it == files.end())
            return ReadStatus::NotFound;
        if (it->second.size() > maxBytes)
            return ReadStatus::TooLarge;
        out = it->second;
        return ReadStatus::Ok;
    }

    bool WriteFileAtomic(const std::string& path, const Bytes& data) override {
        ++writes;
        if (failWrites || !IsDirectory(ParentDirectory(path)))
            return false;
        files[path] = data;
        return true;
    }

    bool RenameFile(const std::string& from, const std::string& to) override {
        const auto it = files.find(from);
        if (failWrites || it == files.end() || files.count(to) || !IsDirectory(ParentDirectory(to)))
            return false;
        files[to] = it->second;
        files.erase(from);
        return true;
    }

    bool SameFile(const std::string& a, const std::string& b) const override {
        return files.count(a) != 0 && a == b;
    }

    bool CreateDirectories(const std::string& path) override {
        if (failWrites)
            return IsDirectory(path);
        dirs.insert(path);
        return true;
    }

    std::map<std::string, Bytes> files;
    std::set<std::string> dirs;
    std::set<std::string> unreadable;
    bool failWrites = false;
    int writes = 0;
};

// The computer's named objects: which ports are held, by any process.
struct FakeMachine {
    std::set<uint8_t> heldPorts;
    bool stateLocked = false;
};

// One process's view of them.
class FakeMachineLocks : public MachineLocks {
public:
    explicit FakeMachineLocks(FakeMachine& machine) : machine_(machine) {}
    ~FakeMachineLocks() override { ReleasePort(); }  // the process ends

    bool LockState() override {
        if (machine_.stateLocked)
            return false;  // taken twice at once: the lock is not meant to nest
        machine_.stateLocked = true;
        return true;
    }
    void UnlockState() override { machine_.stateLocked = false; }
    bool HoldPort(uint8_t port) override {
        if (!machine_.heldPorts.insert(port).second)
            return false;
        held_ = port;
        return true;
    }
    void ReleasePort() override {
        machine_.heldPorts.erase(held_);
        held_ = 0;
    }

private:
    FakeMachine& machine_;
    uint8_t held_ = 0;
};

constexpr int64_t kTestNow = 1780000000;  // 2026-05-28 20:26:40 UTC
constexpr const char* kStatePath = "/state/logger.state";
constexpr const char* kWaveFolder = "/g/abcd/WaveFile";
constexpr const char* kImagePath = "/g/abcd/binfile/ORLOG7_Encode.Bin";
constexpr const char* kDumpPath = "/g/abcd/123456.dat";

// A logger on COM05 with a prepared drive: prompts, image, dump folder.
struct LoggerRig {
    explicit LoggerRig(EmulatorConfig cfg = EmulatorConfig()) : config(cfg) {
        fs.dirs = {"/state", "/g", "/g/abcd", kWaveFolder, "/g/abcd/binfile"};
        for (size_t i = 0; i < WavePromptCount(); ++i) {
            fs.files[JoinPath(kWaveFolder, WavePromptAt(i).fileName)] = MakePromptWave(i);
        }
        fs.files[kImagePath] = BuildImage("V2.01");
    }
    VirtualLogger& Logger() {
        if (!logger)
            logger.reset(new VirtualLogger(config, clock, fs, store, locks));
        return *logger;
    }
    // The program ends and starts again.
    VirtualLogger& Reopen() {
        logger.reset();
        return Logger();
    }
    // The logger's state as the file holds it.
    LoggerState Saved() {
        LoggerState state;
        EXPECT_EQ(StateStore(fs, kStatePath).Load(kTestNow, state), StateFile::Loaded);
        return state;
    }

    EmulatorConfig config;
    FakeClock clock{kTestNow};
    MemoryFileSystem fs;
    FakeMachine machine;
    FakeMachineLocks locks{machine};
    StateStore store{fs, kStatePath};
    std::unique_ptr<VirtualLogger> logger;
};

// Another program on the same computer as `rig`, with the library loaded.
struct OtherProcess {
    explicit OtherProcess(LoggerRig& rig)
        : locks(rig.machine),
          store(rig.fs, kStatePath),
          logger(rig.config, rig.clock, rig.fs, store, locks) {}
    FakeMachineLocks locks;
    StateStore store;
    VirtualLogger logger;
};

// The settings the tool writes.
inline LoggerSettings ToolSettings() {
    return expected::SettingsAs<LoggerSettings>(expected::WrittenSettings());
}

}  // namespace orlog7emu

#endif
