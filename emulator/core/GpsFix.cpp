#include "GpsFix.h"

namespace orlog7emu {

bool IsPossibleFix(const GpsFix& fix) {
    return fix.latitudeE7 >= -kMaxLatitudeE7 && fix.latitudeE7 <= kMaxLatitudeE7 &&
           fix.longitudeE7 >= -kMaxLongitudeE7 && fix.longitudeE7 <= kMaxLongitudeE7 &&
           fix.courseCentiDegrees <= kMaxCourseCentiDegrees;
}

void WriteFixes(ByteWriter& out, const std::vector<GpsFix>& fixes) {
    uint8_t* at = out.Grow(fixes.size() * kFixRecordSize);
    for (const GpsFix& fix : fixes) {
        PutLe32(at, fix.utcSeconds);
        PutLe32(at + 4, static_cast<uint32_t>(fix.latitudeE7));
        PutLe32(at + 8, static_cast<uint32_t>(fix.longitudeE7));
        PutLe16(at + 12, fix.speedCentiKnots);
        PutLe16(at + 14, fix.courseCentiDegrees);
        at += kFixRecordSize;
    }
}

bool ReadFixes(ByteReader& in, size_t count, std::vector<GpsFix>& fixes) {
    // Compared before it is multiplied, which could wrap a 32-bit size_t.
    if (count > in.Remaining() / kFixRecordSize) {
        return false;
    }
    const uint8_t* at = in.Span(count * kFixRecordSize);
    fixes.resize(count);
    for (GpsFix& fix : fixes) {
        fix.utcSeconds = GetLe32(at);
        fix.latitudeE7 = static_cast<int32_t>(GetLe32(at + 4));
        fix.longitudeE7 = static_cast<int32_t>(GetLe32(at + 8));
        fix.speedCentiKnots = GetLe16(at + 12);
        fix.courseCentiDegrees = GetLe16(at + 14);
        at += kFixRecordSize;
    }
    return true;
}

}  // namespace orlog7emu
