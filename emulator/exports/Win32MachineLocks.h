// MachineLocks on byte-range locks of one file beside the state file,
// "<state file>.lock": byte 0 is the state lock, byte n the hold on port n.
// The system drops a process's locks when it ends, however it ends.
//
// So the port hold and the state lock have the state file's own scope:
// every program that uses one state file shares its port and its lock, and
// no one who cannot open that folder can take or hold either. With the
// default state file that is one logger per user (emulator/README.md).
#ifndef VANTREL_EMULATOR_EXPORTS_WIN32MACHINELOCKS_H
#define VANTREL_EMULATOR_EXPORTS_WIN32MACHINELOCKS_H

#include <windows.h>

#include <string>

#include "FileSystem.h"
#include "MachineLocks.h"

namespace orlog7emu {

class Win32MachineLocks : public MachineLocks {
public:
    // The lock file is made, with its folder, when first needed.
    Win32MachineLocks(FileSystem& fs, std::string lockFile) : fs_(fs), path_(std::move(lockFile)) {}
    ~Win32MachineLocks() override;
    Win32MachineLocks(const Win32MachineLocks&) = delete;
    Win32MachineLocks& operator=(const Win32MachineLocks&) = delete;

    bool LockState() override;
    void UnlockState() override;
    bool HoldPort(uint8_t port) override;
    void ReleasePort() override;

private:
    bool Open();
    bool LockByte(DWORD offset, DWORD flags);
    void UnlockByte(DWORD offset);

    FileSystem& fs_;
    std::string path_;
    HANDLE file_ = INVALID_HANDLE_VALUE;
    uint8_t heldPort_ = 0;
};

// "<state file>.lock".
std::string LockFilePath(const std::string& stateFile);

}  // namespace orlog7emu

#endif
