#include "VirtualLogger.h"

#include "DumpFormat.h"
#include "FirmwareImage.h"
#include "MachineLocks.h"
#include "Recorder.h"
#include "ResultCode.h"
#include "SettingsLimits.h"
#include "WavePrompts.h"

namespace orlog7emu {

const char kDllVersionText[] = "ORLOG7 Emu 1.0.0";

VirtualLogger::VirtualLogger(const EmulatorConfig& config, Clock& clock, FileSystem& fs,
                             StateStore& store, MachineLocks& locks)
    : config_(config), clock_(clock), fs_(fs), store_(store), locks_(locks) {}

VirtualLogger::~VirtualLogger() {
    if (dumpPort_ != 0) {
        locks_.ReleasePort();
    }
}

int32_t VirtualLogger::ReachLogger(uint8_t port, int32_t otherPortCode) const {
    if (dumpPort_ == 0) {
        return code::kNotDumpMode;
    }
    return port == dumpPort_ ? 0 : otherPortCode;
}

void VirtualLogger::WaitForTransfer(size_t bytes) {
    const size_t kib = (bytes + 1023) / 1024;
    if (config_.transferDelayMsPerKiB != 0 && kib != 0) {
        clock_.SleepMilliseconds(static_cast<uint32_t>(kib * config_.transferDelayMsPerKiB));
    }
}

const LoggerState* VirtualLogger::ReadState() {
    StateLock lock(locks_);
    return lock.Held() ? store_.Load(clock_.NowUnixSeconds()) : nullptr;
}

template <typename ChangeFn>
int32_t VirtualLogger::ChangeLocked(int32_t failure, int32_t success, ChangeFn change) {
    LoggerState* state = store_.LoadForChange(clock_.NowUnixSeconds());
    if (state == nullptr) {
        return failure;
    }
    if (int32_t c = change(*state)) {
        store_.Drop();
        return c;
    }
    return store_.Save(*state) ? success : failure;
}

template <typename ChangeFn>
int32_t VirtualLogger::ChangeState(int32_t failure, int32_t success, ChangeFn change) {
    StateLock lock(locks_);
    return lock.Held() ? ChangeLocked(failure, success, change) : failure;
}

int32_t VirtualLogger::IntoDumpMode(uint8_t port) {
    if (port == 0 || port > kLastPort) {
        return code::kOpenComPortError;
    }
    if (port != config_.loggerPort || config_.unplugged) {
        return code::kCannotIntoDumpMode;
    }
    if (dumpPort_ != 0) {
        return code::kIntoDumpModeSuccessful;
    }
    StateLock lock(locks_);
    if (!lock.Held()) {
        return code::kCannotIntoDumpMode;
    }
    if (!locks_.HoldPort(port)) {
        return code::kOpenComPortError;  // open in another program
    }
    // The log stops growing while the logger talks to the computer.
    const int32_t result = ChangeLocked(code::kCannotIntoDumpMode, code::kIntoDumpModeSuccessful,
                                        [&](LoggerState& state) {
                                            CatchUpLogging(state, clock_.NowUnixSeconds());
                                            return 0;
                                        });
    if (result == code::kIntoDumpModeSuccessful) {
        dumpPort_ = port;
    } else {
        locks_.ReleasePort();
    }
    return result;
}

int32_t VirtualLogger::AutoIntoDumpMode(int32_t& foundPort) {
    for (uint8_t port = 1; port <= kLastPort; ++port) {
        if (IntoDumpMode(port) == code::kIntoDumpModeSuccessful) {
            foundPort = port;
            return code::kIntoDumpModeSuccessful;
        }
    }
    return code::kCannotIntoDumpMode;
}

int32_t VirtualLogger::ExitDumpMode() {
    if (dumpPort_ == 0) {
        return code::kNotDumpMode;
    }
    // Logging resumes from now, not from the entry into dump mode; until
    // that is saved the logger stays in dump mode.
    const int32_t result =
        ChangeState(kUnlistedFailure, code::kExitDumpModeSuccessful, [&](LoggerState& state) {
            SkipLoggingUntil(state, clock_.NowUnixSeconds());
            return 0;
        });
    if (result == code::kExitDumpModeSuccessful) {
        dumpPort_ = 0;
        locks_.ReleasePort();
    }
    return result;
}

int32_t VirtualLogger::DumpLog(uint8_t port, const std::string& dumpPath) {
    if (int32_t c = ReachLogger(port, code::kDeviceNotReport)) {
        return c;
    }
    // A missing destination folder fails the write itself.
    if (dumpPath.empty() || fs_.SameFile(dumpPath, store_.Path())) {
        return code::kCannotBuildDumpFile;
    }
    const LoggerState* state = ReadState();
    if (state == nullptr) {
        return code::kCannotBuildDumpFile;
    }
    const Bytes dump = EncodeDump(*state, clock_.NowUnixSeconds());
    WaitForTransfer(dump.size());
    return fs_.WriteFileAtomic(dumpPath, dump) ? code::kDumpSuccessful : code::kCannotBuildDumpFile;
}

int32_t VirtualLogger::EraseLog(uint8_t port) {
    if (int32_t c = ReachLogger(port, code::kDeviceNotReport)) {
        return c;
    }
    return ChangeState(code::kDeviceNotReport, code::kEraseSuccessful, [](LoggerState& state) {
        state.log.clear();
        state.log.shrink_to_fit();
        return 0;
    });
}

int32_t VirtualLogger::WriteSettings(uint8_t port, const LoggerSettings& settings,
                                     const std::string& waveFolder, bool userPointsGiven) {
    // Values in the order they are passed; the wave-file folder sits between
    // the switches and the minimum speed.
    if (int32_t c = CheckSettingsBeforeWaveFolder(settings)) {
        return c;
    }
    if (int32_t c = CheckWaveFolder(fs_, waveFolder)) {
        return c;
    }
    if (int32_t c = CheckSettingsAfterWaveFolder(settings, userPointsGiven)) {
        return c;
    }
    if (int32_t c = ReachLogger(port, code::kDeviceNotReport)) {
        return c;
    }
    // The logger's settings memory is the state file: not written, not kept.
    return ChangeState(code::kSettingFail, code::kSettingSuccessful, [&](LoggerState& state) {
        state.settings = settings;
        return 0;
    });
}

int32_t VirtualLogger::ReadSettings(uint8_t port, LoggerSettings& settings) {
    if (int32_t c = ReachLogger(port, code::kDeviceNotReport)) {
        return c;
    }
    const LoggerState* state = ReadState();
    if (state == nullptr) {
        return code::kDeviceNotReport;
    }
    settings = state->settings;
    return code::kReadSettingSuccessful;
}

int32_t VirtualLogger::ReadDeviceInfo(uint8_t port, DeviceInfo& info) {
    if (int32_t c = ReachLogger(port, code::kCannotReadDeviceInfo)) {
        return c;
    }
    const LoggerState* state = ReadState();
    if (state == nullptr) {
        return code::kCannotReadDeviceInfo;
    }
    info.serialNumber = state->serialNumber;
    info.firmwareVersion = state->firmwareVersion;
    info.distributorName = state->distributorName;
    info.modelName = state->modelName;
    return code::kReadDeviceInfoSuccessful;
}

int32_t VirtualLogger::ReadGpsTime(UtcDateTime& time) {
    if (dumpPort_ == 0) {
        return code::kNotDumpMode;
    }
    if (config_.noGpsFix) {
        return code::kGpsTimeInvalid;
    }
    time = ToUtcDateTime(clock_.NowUnixSeconds());
    return code::kGpsTimeSuccessful;
}

int32_t VirtualLogger::ReadMemoryUsed(int32_t& usedBytes) {
    if (dumpPort_ == 0) {
        return code::kNotDumpMode;
    }
    const LoggerState* state = ReadState();
    if (state == nullptr) {
        return code::kDeviceNotReport;
    }
    usedBytes = static_cast<int32_t>(state->log.size() * kFixRecordSize);
    return code::kReadMemoryUsedSuccessful;
}

int32_t VirtualLogger::ReadImageVersion(const std::string& imagePath, std::string& version) {
    if (int32_t c = CheckImageFile(fs_, imagePath, version)) {
        return c;
    }
    return code::kReadBinFileVersionSuccessful;
}

int32_t VirtualLogger::UpgradeFirmware(uint8_t port, const std::string& imagePath) {
    std::string version;
    if (int32_t c = CheckImageFile(fs_, imagePath, version)) {
        return c;
    }
    // A port with no logger in dump mode on it cannot take an image either.
    if (int32_t c = ReachLogger(port, code::kNotDumpMode)) {
        return c;
    }
    WaitForTransfer(kImageSize);
    return ChangeState(code::kCannotOpenBinFile, code::kUpgradeSuccessful, [&](LoggerState& state) {
        state.firmwareVersion = version;
        return 0;
    });
}

int32_t VirtualLogger::SetSerialNumber(uint32_t serialNumber) {
    if (serialNumber > kMaxSerialNumber) {
        return code::kSerialNumberOver;
    }
    if (dumpPort_ == 0) {
        return code::kDeviceNotReport;
    }
    return ChangeState(code::kDeviceNotReport, code::kSerialNumberSet,
                       [&](LoggerState& state) -> int32_t {
                           if (state.serialNumberAssigned) {
                               return code::kCannotModifySerialNumber;
                           }
                           state.serialNumber = serialNumber;
                           state.serialNumberAssigned = true;
                           return 0;
                       });
}

}  // namespace orlog7emu
