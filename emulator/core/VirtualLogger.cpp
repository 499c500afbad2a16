#include "VirtualLogger.h"

#include "DumpFormat.h"
#include "FirmwareImage.h"
#include "Recorder.h"
#include "ResultCode.h"
#include "SettingsLimits.h"
#include "WavePrompts.h"

namespace orlog7emu {

const char kDllVersionText[] = "ORLOG7 Emu 1.0.0";

VirtualLogger::VirtualLogger(const EmulatorConfig& config, Clock& clock, FileSystem& fs,
                             StateStore& store)
    : config_(config),
      clock_(clock),
      fs_(fs),
      store_(store),
      state_(store.Load(clock.NowUnixSeconds())) {}

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

int32_t VirtualLogger::IntoDumpMode(uint8_t port) {
    if (port == 0 || port > kLastPort) {
        return code::kOpenComPortError;
    }
    if (port != config_.loggerPort || config_.unplugged) {
        return code::kCannotIntoDumpMode;
    }
    if (dumpPort_ == 0) {
        // The log stops growing while the logger talks to the computer.
        CatchUpLogging(state_, clock_.NowUnixSeconds());
        dumpPort_ = port;
        store_.Save(state_);
    }
    return code::kIntoDumpModeSuccessful;
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
    SkipLoggingUntil(state_, clock_.NowUnixSeconds());
    dumpPort_ = 0;
    store_.Save(state_);
    return code::kExitDumpModeSuccessful;
}

int32_t VirtualLogger::DumpLog(uint8_t port, const std::string& dumpPath) {
    if (int32_t c = ReachLogger(port, code::kDeviceNotReport)) {
        return c;
    }
    const std::string folder = ParentDirectory(dumpPath);
    if (dumpPath.empty() || (!folder.empty() && !fs_.IsDirectory(folder))) {
        return code::kCannotBuildDumpFile;
    }
    const Bytes dump = EncodeDump(state_, clock_.NowUnixSeconds());
    WaitForTransfer(dump.size());
    return fs_.WriteFileAtomic(dumpPath, dump) ? code::kDumpSuccessful : code::kCannotBuildDumpFile;
}

int32_t VirtualLogger::EraseLog(uint8_t port) {
    if (int32_t c = ReachLogger(port, code::kDeviceNotReport)) {
        return c;
    }
    state_.log.clear();
    state_.log.shrink_to_fit();
    store_.Save(state_);
    return code::kEraseSuccessful;
}

int32_t VirtualLogger::WriteSettings(uint8_t port, const LoggerSettings& settings,
                                     const std::string& waveFolder) {
    // Values in the order they are passed; the wave-file folder sits between
    // the switches and the minimum speed.
    if (int32_t c = CheckSettingsBeforeWaveFolder(settings)) {
        return c;
    }
    if (int32_t c = CheckWaveFolder(fs_, waveFolder)) {
        return c;
    }
    if (int32_t c = CheckSettingsAfterWaveFolder(settings)) {
        return c;
    }
    if (int32_t c = ReachLogger(port, code::kDeviceNotReport)) {
        return c;
    }

    const LoggerSettings previous = state_.settings;
    state_.settings = settings;
    if (!store_.Save(state_)) {
        // The logger's settings memory is the state file: not written, not kept.
        state_.settings = previous;
        return code::kSettingFail;
    }
    return code::kSettingSuccessful;
}

int32_t VirtualLogger::ReadSettings(uint8_t port, LoggerSettings& settings) {
    if (int32_t c = ReachLogger(port, code::kDeviceNotReport)) {
        return c;
    }
    settings = state_.settings;
    return code::kReadSettingSuccessful;
}

int32_t VirtualLogger::ReadDeviceInfo(uint8_t port, DeviceInfo& info) {
    if (int32_t c = ReachLogger(port, code::kCannotReadDeviceInfo)) {
        return c;
    }
    info.serialNumber = state_.serialNumber;
    info.firmwareVersion = state_.firmwareVersion;
    info.distributorName = state_.distributorName;
    info.modelName = state_.modelName;
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
    usedBytes = static_cast<int32_t>(state_.log.size() * kFixRecordSize);
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
    state_.firmwareVersion = version;
    store_.Save(state_);
    return code::kUpgradeSuccessful;
}

int32_t VirtualLogger::SetSerialNumber(uint32_t serialNumber) {
    if (serialNumber > kMaxSerialNumber) {
        return code::kSerialNumberOver;
    }
    if (dumpPort_ == 0) {
        return code::kDeviceNotReport;
    }
    if (state_.serialNumberAssigned) {
        return code::kCannotModifySerialNumber;
    }
    state_.serialNumber = serialNumber;
    state_.serialNumberAssigned = true;
    store_.Save(state_);
    return code::kSerialNumberSet;
}

}  // namespace orlog7emu
