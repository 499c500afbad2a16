// What the emulated logger shares with the other processes on its state
// file: its serial port, which one process at a time holds, as a real port
// opens in one program only; and the lock under which its state file is
// read, changed and saved. The system ends both when the process dies.
#ifndef VANTREL_EMULATOR_CORE_MACHINELOCKS_H
#define VANTREL_EMULATOR_CORE_MACHINELOCKS_H

#include <cstdint>

namespace orlog7emu {

class MachineLocks {
public:
    virtual ~MachineLocks() = default;
    // Waits for the state lock; false when it cannot be had.
    virtual bool LockState() = 0;
    virtual void UnlockState() = 0;
    // Makes this process the holder of `port`; false when another one is.
    virtual bool HoldPort(uint8_t port) = 0;
    virtual void ReleasePort() = 0;
};

// Holds the state lock for one scope.
class StateLock {
public:
    explicit StateLock(MachineLocks& locks) : locks_(locks), held_(locks.LockState()) {}
    ~StateLock() {
        if (held_) {
            locks_.UnlockState();
        }
    }
    StateLock(const StateLock&) = delete;
    StateLock& operator=(const StateLock&) = delete;
    bool Held() const { return held_; }

private:
    MachineLocks& locks_;
    bool held_;
};

}  // namespace orlog7emu

#endif
