// Everything the emulated logger keeps between runs. Dump mode is not part of
// it: it belongs to the session with the computer.
#ifndef VANTREL_EMULATOR_CORE_LOGGERSTATE_H
#define VANTREL_EMULATOR_CORE_LOGGERSTATE_H

#include <cstdint>
#include <string>
#include <vector>

#include "GpsFix.h"
#include "LoggerSettings.h"

namespace orlog7emu {

constexpr size_t kDeviceTextMaxLength = 31;  // distributor and model names
constexpr uint32_t kMaxSerialNumber = 1000000000;

struct LoggerState {
    uint32_t serialNumber = 0;
    bool serialNumberAssigned = false;
    std::string firmwareVersion;  // at most 7 characters
    std::string distributorName;  // at most 31 characters
    std::string modelName;        // at most 31 characters
    LoggerSettings settings{};
    std::vector<GpsFix> log;  // oldest first, at most kLogCapacityRecords
    // Every moment up to this one (Unix seconds) has been considered for
    // logging; logging resumes after it.
    int64_t loggedThrough = 0;
};

// The logger as it leaves the factory at `now`: no serial number, factory
// settings and firmware, and the recorded test drive in its log.
LoggerState FactoryFreshState(int64_t now);

// The factory's settings and its test drive, for tests.
LoggerSettings FactorySettings();
constexpr size_t kFactoryTrackFixes = 1800;
constexpr int64_t kFactoryTrackStart = 1767254400;  // 2026-01-01 08:00:00 UTC
constexpr int32_t kFactoryTrackInterval = 5;

}  // namespace orlog7emu

#endif
