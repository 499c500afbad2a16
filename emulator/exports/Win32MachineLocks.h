// MachineLocks on named kernel objects, which the system closes with the
// process that opened them: a mutex for the state, and for the port an object
// whose existence is the hold.
#ifndef VANTREL_EMULATOR_EXPORTS_WIN32MACHINELOCKS_H
#define VANTREL_EMULATOR_EXPORTS_WIN32MACHINELOCKS_H

#include <windows.h>

#include "MachineLocks.h"

namespace orlog7emu {

class Win32MachineLocks : public MachineLocks {
public:
    Win32MachineLocks() = default;
    ~Win32MachineLocks() override;
    Win32MachineLocks(const Win32MachineLocks&) = delete;
    Win32MachineLocks& operator=(const Win32MachineLocks&) = delete;

    bool LockState() override;
    void UnlockState() override;
    bool HoldPort(uint8_t port) override;
    void ReleasePort() override;

private:
    HANDLE stateMutex_ = nullptr;
    HANDLE portHold_ = nullptr;
};

}  // namespace orlog7emu

#endif
