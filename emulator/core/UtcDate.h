// Civil UTC date and time from Unix seconds (proleptic Gregorian calendar).
#ifndef VANTREL_EMULATOR_CORE_UTCDATE_H
#define VANTREL_EMULATOR_CORE_UTCDATE_H

#include <cstdint>

namespace orlog7emu {

struct UtcDateTime {
    int32_t year;
    int32_t month;  // 1..12
    int32_t day;    // 1..31
    int32_t hour;
    int32_t minute;
    int32_t second;
};

UtcDateTime ToUtcDateTime(int64_t unixSeconds);
int64_t ToUnixSeconds(const UtcDateTime& t);

}  // namespace orlog7emu

#endif
