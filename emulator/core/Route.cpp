#include "Route.h"

#include <cmath>
#include <cstddef>

namespace orlog7emu {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMetresPerDegreeLat = 110574.0;
constexpr double kMetresPerDegreeLonEquator = 111320.0;
constexpr double kKnotsPerMetrePerSecond = 1.0 / 0.514444;

struct Waypoint {
    double lat;
    double lon;
};

// The loop, in driving order; the last leg returns to the first point.
constexpr Waypoint kLoop[] = {
    {25.0183, 121.5150},  // near user point 1 (25 01' 06", 121 30' 54")
    {25.0330, 121.5420}, {25.0420, 121.5650}, {25.0520, 121.6000},
    {25.0606, 121.6461},  // near user point 0 (25 03' 38", 121 38' 46")
    {25.0790, 121.6120}, {25.0800, 121.5600}, {25.0600, 121.5300},
};
constexpr size_t kLoopPoints = sizeof(kLoop) / sizeof(kLoop[0]);

// Speed v(t) = kMeanSpeed + kSpeedSwing * sin(2 pi t / kSpeedPeriod) in m/s;
// the distance driven is its integral.
constexpr double kMeanSpeed = 11.0;
constexpr double kSpeedSwing = 9.0;
constexpr double kSpeedPeriod = 900.0;
// Times are taken relative to this epoch to keep the doubles small.
constexpr int64_t kRouteEpoch = 1735689600;  // 2025-01-01 00:00:00 UTC

double LegDx(const Waypoint& a, const Waypoint& b) {
    const double midLat = (a.lat + b.lat) / 2.0 * kPi / 180.0;
    return (b.lon - a.lon) * kMetresPerDegreeLonEquator * std::cos(midLat);
}

double LegDy(const Waypoint& a, const Waypoint& b) {
    return (b.lat - a.lat) * kMetresPerDegreeLat;
}

double LegLength(size_t i) {
    const Waypoint& a = kLoop[i];
    const Waypoint& b = kLoop[(i + 1) % kLoopPoints];
    return std::hypot(LegDx(a, b), LegDy(a, b));
}

double LoopLength() {
    double total = 0.0;
    for (size_t i = 0; i < kLoopPoints; ++i) {
        total += LegLength(i);
    }
    return total;
}

int32_t ToE7(double degrees) {
    return static_cast<int32_t>(std::lround(degrees * 1e7));
}

}  // namespace

GpsFix FixAt(int64_t unixSeconds) {
    const double t = static_cast<double>(unixSeconds - kRouteEpoch);
    const double omega = 2.0 * kPi / kSpeedPeriod;
    const double driven = kMeanSpeed * t + kSpeedSwing / omega * (1.0 - std::cos(omega * t));
    const double speed = kMeanSpeed + kSpeedSwing * std::sin(omega * t);

    static const double loop = LoopLength();
    double along = std::fmod(driven, loop);
    if (along < 0) {
        along += loop;
    }

    size_t leg = 0;
    while (leg + 1 < kLoopPoints && along > LegLength(leg)) {
        along -= LegLength(leg);
        ++leg;
    }
    const Waypoint& a = kLoop[leg];
    const Waypoint& b = kLoop[(leg + 1) % kLoopPoints];
    const double share = along / LegLength(leg);

    double course = std::atan2(LegDx(a, b), LegDy(a, b)) * 180.0 / kPi;
    if (course < 0) {
        course += 360.0;
    }

    GpsFix fix{};
    fix.utcSeconds = static_cast<uint32_t>(unixSeconds);
    fix.latitudeE7 = ToE7(a.lat + (b.lat - a.lat) * share);
    fix.longitudeE7 = ToE7(a.lon + (b.lon - a.lon) * share);
    fix.speedCentiKnots =
        static_cast<uint16_t>(std::lround(speed * kKnotsPerMetrePerSecond * 100.0));
    fix.courseCentiDegrees = static_cast<uint16_t>(std::lround(course * 100.0) % 36000);
    return fix;
}

double DistanceMetres(const GpsFix& a, const GpsFix& b) {
    const double latA = a.latitudeE7 / 1e7;
    const double latB = b.latitudeE7 / 1e7;
    const double midLat = (latA + latB) / 2.0 * kPi / 180.0;
    const double dx =
        (b.longitudeE7 - a.longitudeE7) / 1e7 * kMetresPerDegreeLonEquator * std::cos(midLat);
    const double dy = (latB - latA) * kMetresPerDegreeLat;
    return std::hypot(dx, dy);
}

}  // namespace orlog7emu
