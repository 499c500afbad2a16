// One emulated ORLOG7 logger on one emulated serial port, as the device
// library sees it: each operation answers the result code of the condition it
// meets. Ports 1..99 exist; only the logger's port has something attached.
// The operations that name a port address the logger only on the port it was
// put into dump mode on; the others address that logger implicitly.
//
// The logger is one device for every process on its state file: its port is
// held by one process at a time, and every operation that needs the state
// reads it from the state file under the state lock; a change is applied to
// what was read and answers success only once it is saved.
#ifndef VANTREL_EMULATOR_CORE_VIRTUALLOGGER_H
#define VANTREL_EMULATOR_CORE_VIRTUALLOGGER_H

#include <cstdint>
#include <string>

#include "Clock.h"
#include "EmulatorConfig.h"
#include "FileSystem.h"
#include "LoggerState.h"
#include "MachineLocks.h"
#include "StateStore.h"
#include "UtcDate.h"

namespace orlog7emu {

constexpr uint8_t kLastPort = 99;
extern const char kDllVersionText[];
// For the exports whose list has no code for a failure: the tool shows nothing.
constexpr int32_t kUnlistedFailure = -1;

struct DeviceInfo {
    uint32_t serialNumber = 0;
    std::string firmwareVersion;
    std::string distributorName;
    std::string modelName;
};

class VirtualLogger {
public:
    VirtualLogger(const EmulatorConfig& config, Clock& clock, FileSystem& fs, StateStore& store,
                  MachineLocks& locks);
    ~VirtualLogger();
    VirtualLogger(const VirtualLogger&) = delete;
    VirtualLogger& operator=(const VirtualLogger&) = delete;

    int32_t IntoDumpMode(uint8_t port);
    int32_t AutoIntoDumpMode(int32_t& foundPort);
    int32_t ExitDumpMode();
    int32_t DumpLog(uint8_t port, const std::string& dumpPath);
    int32_t EraseLog(uint8_t port);
    // `userPointsGiven` false: the caller passed no user-point table, which
    // answers 43 where the table comes in the order of the arguments.
    int32_t WriteSettings(uint8_t port, const LoggerSettings& settings,
                          const std::string& waveFolder, bool userPointsGiven = true);
    int32_t ReadSettings(uint8_t port, LoggerSettings& settings);
    int32_t ReadDeviceInfo(uint8_t port, DeviceInfo& info);
    int32_t ReadGpsTime(UtcDateTime& time);
    int32_t ReadMemoryUsed(int32_t& usedBytes);
    int32_t ReadImageVersion(const std::string& imagePath, std::string& version);
    int32_t UpgradeFirmware(uint8_t port, const std::string& imagePath);
    int32_t SetSerialNumber(uint32_t serialNumber);

    bool InDumpMode() const { return dumpPort_ != 0; }

private:
    // 0 when the logger is in dump mode on `port`; 26 when it is in no dump
    // mode; `otherPortCode` when `port` is another port, where nothing answers.
    int32_t ReachLogger(uint8_t port, int32_t otherPortCode) const;
    void WaitForTransfer(size_t bytes);
    // The state as the file holds it; null when it cannot be read. Valid
    // until the next call that reads the state.
    const LoggerState* ReadState();
    // Runs `change` on the state the file holds and saves it, all under the
    // state lock: `success` once saved, `failure` when the state cannot be
    // read or saved (the file is then as it was). `change` returns 0 to save,
    // or a code to answer with nothing saved.
    template <typename ChangeFn>
    int32_t ChangeState(int32_t failure, int32_t success, ChangeFn change);
    template <typename ChangeFn>
    int32_t ChangeLocked(int32_t failure, int32_t success, ChangeFn change);

    EmulatorConfig config_;
    Clock& clock_;
    FileSystem& fs_;
    StateStore& store_;
    MachineLocks& locks_;
    uint8_t dumpPort_ = 0;  // 0: not in dump mode; else held by this process
};

}  // namespace orlog7emu

#endif
