// The emulator's own settings, read from ORLOG7_DLL.ini next to the DLL.
//
//   [Emulator]
//   Port=5                    ; the logger's port, 1..99 ("COM05" also works)
//   Unplugged=0               ; 1: no logger on any port
//   NoGpsFix=0                ; 1: the receiver has no fix (GPS time gives 38)
//   TransferDelayMsPerKiB=0   ; wait per KiB dumped or upgraded
//   StateFile=                ; where the state lives (relative: to the DLL)
//
// The DLL reads the file with the system's own INI reader; this turns the
// texts it finds into values. Malformed values are ignored: the default stays.
#ifndef VANTREL_EMULATOR_CORE_EMULATORCONFIG_H
#define VANTREL_EMULATOR_CORE_EMULATORCONFIG_H

#include <cstdint>
#include <string>

namespace orlog7emu {

constexpr uint8_t kDefaultLoggerPort = 5;
constexpr uint32_t kMaxTransferDelayMsPerKiB = 1000;

struct EmulatorConfig {
    uint8_t loggerPort = kDefaultLoggerPort;
    bool unplugged = false;
    bool noGpsFix = false;
    uint32_t transferDelayMsPerKiB = 0;
    std::string stateFile;  // empty: the caller's default
};

constexpr char kEmulatorSection[] = "Emulator";
// Every key of the section, as the file spells it.
constexpr const char* kEmulatorSettingNames[] = {"Port", "Unplugged", "NoGpsFix",
                                                 "TransferDelayMsPerKiB", "StateFile"};

// Sets the value of the key `name` (any case) from its text; unknown keys and
// malformed texts change nothing.
void ApplyEmulatorSetting(EmulatorConfig& config, const std::string& name, const std::string& text);

// The state file to use: the configured one (a relative path is taken from
// `dllFolder`), else `defaultPath`.
std::string ResolveStateFile(const EmulatorConfig& config, const std::string& dllFolder,
                             const std::string& defaultPath);

}  // namespace orlog7emu

#endif
