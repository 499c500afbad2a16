// One emulated ORLOG7 logger on one emulated serial port, as the device
// library sees it: each operation answers the result code of the condition it
// meets. Ports 1..99 exist; only the logger's port has something attached.
// The operations that name a port address the logger only on the port it was
// put into dump mode on; the others address that logger implicitly.
#ifndef VANTREL_EMULATOR_CORE_VIRTUALLOGGER_H
#define VANTREL_EMULATOR_CORE_VIRTUALLOGGER_H

#include <cstdint>
#include <string>

#include "Clock.h"
#include "EmulatorConfig.h"
#include "FileSystem.h"
#include "LoggerState.h"
#include "StateStore.h"
#include "UtcDate.h"

namespace orlog7emu {

constexpr uint8_t kLastPort = 99;
constexpr uint32_t kMaxSerialNumber = 1000000000;
extern const char kDllVersionText[];

struct DeviceInfo {
    uint32_t serialNumber = 0;
    std::string firmwareVersion;
    std::string distributorName;
    std::string modelName;
};

class VirtualLogger {
public:
    // Loads the logger's state from `store` (factory-fresh when there is none).
    VirtualLogger(const EmulatorConfig& config, Clock& clock, FileSystem& fs, StateStore& store);

    int32_t IntoDumpMode(uint8_t port);
    int32_t AutoIntoDumpMode(int32_t& foundPort);
    int32_t ExitDumpMode();
    int32_t DumpLog(uint8_t port, const std::string& dumpPath);
    int32_t EraseLog(uint8_t port);
    int32_t WriteSettings(uint8_t port, const LoggerSettings& settings,
                          const std::string& waveFolder);
    int32_t ReadSettings(uint8_t port, LoggerSettings& settings);
    int32_t ReadDeviceInfo(uint8_t port, DeviceInfo& info);
    int32_t ReadGpsTime(UtcDateTime& time);
    int32_t ReadMemoryUsed(int32_t& usedBytes);
    int32_t ReadImageVersion(const std::string& imagePath, std::string& version);
    int32_t UpgradeFirmware(uint8_t port, const std::string& imagePath);
    int32_t SetSerialNumber(uint32_t serialNumber);

    bool InDumpMode() const { return dumpPort_ != 0; }
    const LoggerState& State() const { return state_; }

private:
    // 0 when the logger is in dump mode on `port`; 26 when it is in no dump
    // mode; `otherPortCode` when `port` is another port, where nothing answers.
    int32_t ReachLogger(uint8_t port, int32_t otherPortCode) const;
    void WaitForTransfer(size_t bytes);

    EmulatorConfig config_;
    Clock& clock_;
    FileSystem& fs_;
    StateStore& store_;
    LoggerState state_;
    uint8_t dumpPort_ = 0;  // 0: not in dump mode
};

}  // namespace orlog7emu

#endif
