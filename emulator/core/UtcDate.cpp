#include "UtcDate.h"

namespace orlog7emu {

namespace {

// Howard Hinnant's days-from-civil algorithms; exact for any date.
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2 ? 1 : 0;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0);
}

}  // namespace

UtcDateTime ToUtcDateTime(int64_t unixSeconds) {
    const int64_t days = FloorDiv(unixSeconds, 86400);
    const int64_t secondOfDay = unixSeconds - days * 86400;
    const int64_t z = days + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t day = doy - (153 * mp + 2) / 5 + 1;
    const int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    return UtcDateTime{static_cast<int32_t>(year),
                       static_cast<int32_t>(month),
                       static_cast<int32_t>(day),
                       static_cast<int32_t>(secondOfDay / 3600),
                       static_cast<int32_t>(secondOfDay / 60 % 60),
                       static_cast<int32_t>(secondOfDay % 60)};
}

int64_t ToUnixSeconds(const UtcDateTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * 86400 + int64_t{t.hour} * 3600 +
           int64_t{t.minute} * 60 + t.second;
}

}  // namespace orlog7emu
