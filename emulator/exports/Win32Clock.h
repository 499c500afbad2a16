// The computer's UTC clock and Sleep, for the emulated logger.
#ifndef VANTREL_EMULATOR_EXPORTS_WIN32CLOCK_H
#define VANTREL_EMULATOR_EXPORTS_WIN32CLOCK_H

#include "Clock.h"

namespace orlog7emu {

class Win32Clock : public Clock {
public:
    int64_t NowUnixSeconds() const override;
    void SleepMilliseconds(uint32_t milliseconds) override;
};

}  // namespace orlog7emu

#endif
