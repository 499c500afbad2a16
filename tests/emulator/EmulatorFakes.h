// Test doubles for the emulator's seams: a clock the test moves, an
// in-memory file system that can be told to fail, and the machine's port
// holds and state lock, shared by the "processes" of a test.
#ifndef VANTREL_TESTS_EMULATOR_EMULATORFAKES_H
#define VANTREL_TESTS_EMULATOR_EMULATORFAKES_H

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

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

    ReadStatus ReadFile(const std::string& path, size_t maxBytes, Bytes& out,
                        FileStamp* stamp = nullptr) const override {
        ++reads;
        const ReadStatus status = Find(path);
        if (status != ReadStatus::Ok)
            return status;
        if (files.at(path).size() > maxBytes)
            return ReadStatus::TooLarge;
        out = files.at(path);
        if (stamp != nullptr)
            Stamp(path, *stamp);
        return ReadStatus::Ok;
    }

    ReadStatus Stamp(const std::string& path, FileStamp& stamp) const override {
        const ReadStatus status = Find(path);
        if (status == ReadStatus::Ok) {
            stamp.index = std::hash<std::string>()(path);
            stamp.writeTime = versions.count(path) ? versions.at(path) : 0;
            stamp.size = files.at(path).size();
        }
        return status;
    }

    bool WriteFileAtomic(const std::string& path, const Bytes& data) override {
        ++writes;
        if (failWrites || !IsDirectory(ParentDirectory(path)))
            return false;
        files[path] = data;
        ++versions[path];
        return true;
    }

    void RemoveLeftoverTemporaries(const std::string& folder) override {
        cleanedFolders.push_back(folder);
    }

    RenameStatus RenameFile(const std::string& from, const std::string& to) override {
        const auto it = files.find(from);
        if (files.count(to))
            return RenameStatus::TargetExists;
        if (failWrites || it == files.end() || !IsDirectory(ParentDirectory(to)))
            return RenameStatus::Failed;
        files[to] = it->second;
        files.erase(from);
        ++versions[to];
        return RenameStatus::Done;
    }

    std::map<std::string, Bytes> files;
    std::map<std::string, uint64_t> versions;  // each write makes a new one
    std::set<std::string> dirs;
    std::set<std::string> unreadable;
    std::set<std::string> away;  // on a drive or share that is not there
    bool failWrites = false;
    int writes = 0;
    mutable int reads = 0;
    std::vector<std::string> cleanedFolders;

protected:
    bool MakeDirectory(const std::string& path) override {
        if (failWrites)
            return false;
        dirs.insert(path);
        return true;
    }

private:
    ReadStatus Find(const std::string& path) const {
        if (away.count(path))
            return ReadStatus::VolumeAway;
        if (dirs.count(path))
            return ReadStatus::IsDirectory;
        if (unreadable.count(path))
            return ReadStatus::OpenFailed;
        return files.count(path) ? ReadStatus::Ok : ReadStatus::NotFound;
    }
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
        StateStore saved(fs, kStatePath);
        StateFile status = StateFile::Unreadable;
        const LoggerState* state = saved.Load(kTestNow, &status);
        EXPECT_EQ(status, StateFile::Loaded);
        return state != nullptr ? *state : LoggerState();
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
