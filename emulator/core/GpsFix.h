// One logged GPS fix and its fixed 16-byte record in log memory and in dumps.
//
// Record layout (little-endian):
//   0  u32  UTC time, seconds since 1970-01-01
//   4  i32  latitude, 1e-7 degree, north positive
//   8  i32  longitude, 1e-7 degree, east positive
//  12  u16  speed over ground, 0.01 knot
//  14  u16  course over ground, 0.01 degree (0..35999)
#ifndef VANTREL_EMULATOR_CORE_GPSFIX_H
#define VANTREL_EMULATOR_CORE_GPSFIX_H

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "ByteIo.h"
#include "devicelib/DeviceLibContract.h"

namespace orlog7emu {

struct GpsFix {
    uint32_t utcSeconds;
    int32_t latitudeE7;
    int32_t longitudeE7;
    uint16_t speedCentiKnots;
    uint16_t courseCentiDegrees;
};

constexpr size_t kFixRecordSize = 16;
constexpr size_t kLogMemoryCapacity = ORLOG7_LOG_MEMORY_CAPACITY;
constexpr size_t kLogCapacityRecords = kLogMemoryCapacity / kFixRecordSize;
static_assert(kLogMemoryCapacity % kFixRecordSize == 0, "log memory holds whole records");

// Fix times are 32-bit: logging ends with this second (in 2106).
constexpr int64_t kLastFixTime = UINT32_MAX;

// The moment as logging may take it: within the times a fix can carry.
inline int64_t LoggableTime(int64_t unixSeconds) {
    return std::min(std::max<int64_t>(unixSeconds, 0), kLastFixTime);
}

constexpr int32_t kMaxLatitudeE7 = 900000000;
constexpr int32_t kMaxLongitudeE7 = 1800000000;
constexpr uint16_t kMaxCourseCentiDegrees = 35999;

// True when a receiver could have reported the fix (position on the globe,
// course below a full turn).
bool IsPossibleFix(const GpsFix& fix);

// A log's records, in one pass.
void WriteFixes(ByteWriter& out, const std::vector<GpsFix>& fixes);
// Reads `count` records in place of `fixes`' own; false when fewer are left.
bool ReadFixes(ByteReader& in, size_t count, std::vector<GpsFix>& fixes);

}  // namespace orlog7emu

#endif
