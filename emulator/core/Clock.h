// The emulated logger's view of time, injected so that tests control it.
#ifndef VANTREL_EMULATOR_CORE_CLOCK_H
#define VANTREL_EMULATOR_CORE_CLOCK_H

#include <cstdint>

namespace orlog7emu {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since 1970-01-01 00:00:00 UTC.
    virtual int64_t NowUnixSeconds() const = 0;
    // Stands for the time a transfer over the serial line takes.
    virtual void SleepMilliseconds(uint32_t milliseconds) = 0;
};

}  // namespace orlog7emu

#endif
