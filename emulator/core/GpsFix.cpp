#include "GpsFix.h"

namespace orlog7emu {

bool IsPossibleFix(const GpsFix& fix) {
    return fix.latitudeE7 >= -kMaxLatitudeE7 && fix.latitudeE7 <= kMaxLatitudeE7 &&
           fix.longitudeE7 >= -kMaxLongitudeE7 && fix.longitudeE7 <= kMaxLongitudeE7 &&
           fix.courseCentiDegrees <= kMaxCourseCentiDegrees;
}

void WriteFix(ByteWriter& out, const GpsFix& fix) {
    out.U32(fix.utcSeconds);
    out.I32(fix.latitudeE7);
    out.I32(fix.longitudeE7);
    out.U16(fix.speedCentiKnots);
    out.U16(fix.courseCentiDegrees);
}

GpsFix ReadFix(ByteReader& in) {
    GpsFix fix{};
    fix.utcSeconds = in.U32();
    fix.latitudeE7 = in.I32();
    fix.longitudeE7 = in.I32();
    fix.speedCentiKnots = in.U16();
    fix.courseCentiDegrees = in.U16();
    return fix;
}

}  // namespace orlog7emu
