#include "Win32Clock.h"

#include <windows.h>

namespace orlog7emu {

int64_t Win32Clock::NowUnixSeconds() const {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const uint64_t ticks = (static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    constexpr uint64_t kTicksPerSecond = 10000000;
    constexpr uint64_t kSeconds1601To1970 = 11644473600;
    return static_cast<int64_t>(ticks / kTicksPerSecond) - static_cast<int64_t>(kSeconds1601To1970);
}

void Win32Clock::SleepMilliseconds(uint32_t milliseconds) {
    Sleep(milliseconds);
}

}  // namespace orlog7emu
