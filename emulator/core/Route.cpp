#include "Route.h"

#include <algorithm>
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

struct Leg {
    const Waypoint* from;
    const Waypoint* to;
    double length;  // metres
    double course;  // degrees, 0..360
};

// The legs and the loop's length, computed once.
struct Loop {
    Loop() {
        for (size_t i = 0; i < kLoopPoints; ++i) {
            const Waypoint& a = kLoop[i];
            const Waypoint& b = kLoop[(i + 1) % kLoopPoints];
            double course = std::atan2(LegDx(a, b), LegDy(a, b)) * 180.0 / kPi;
            legs[i] = Leg{&a, &b, std::hypot(LegDx(a, b), LegDy(a, b)),
                          course < 0 ? course + 360.0 : course};
            length += legs[i].length;
        }
    }
    Leg legs[kLoopPoints];
    double length = 0.0;
};

const Loop& TheLoop() {
    static const Loop loop;
    return loop;
}

int32_t ToE7(double degrees) {
    return static_cast<int32_t>(std::lround(degrees * 1e7));
}

}  // namespace

namespace {

// The metres driven since the epoch: the integral of the speed.
double DrivenMetres(int64_t unixSeconds) {
    const double t = static_cast<double>(unixSeconds - kRouteEpoch);
    const double omega = 2.0 * kPi / kSpeedPeriod;
    return kMeanSpeed * t + kSpeedSwing / omega * (1.0 - std::cos(omega * t));
}

// DistanceMetres takes its cosine at other latitudes than the legs do, and
// fixes are rounded: distances may exceed what was driven by this much.
constexpr double kDistanceSpareFactor = 1.01;
constexpr double kDistanceSpareMetres = 1.0;
// The steepest change of the speed, kSpeedSwing * 2 pi / kSpeedPeriod m/s a
// second, in 0.01 knot, with 5 % spare and one for the rounding.
constexpr double kMaxSpeedStepCentiKnots =
    kSpeedSwing * 2.0 * kPi / kSpeedPeriod * kKnotsPerMetrePerSecond * 100.0 * 1.05 + 1.0;

}  // namespace

// The car cannot get further from anywhere than it drives: finds the first
// second by which it can have driven that far (the speed never drops below
// kMeanSpeed - kSpeedSwing, so the odometer always climbs).
int64_t SecondsUntilFurther(int64_t unixSeconds, double metres) {
    const double needed = (metres - kDistanceSpareMetres) / kDistanceSpareFactor;
    const double start = DrivenMetres(unixSeconds);
    const auto reaches = [&](int64_t seconds) {
        return DrivenMetres(unixSeconds + seconds) - start >= needed;
    };
    int64_t below = 0;
    int64_t above = 1;
    while (!reaches(above)) {
        below = above;
        above *= 2;
    }
    while (above - below > 1) {
        const int64_t middle = below + (above - below) / 2;
        (reaches(middle) ? above : below) = middle;
    }
    return above;
}

int64_t SecondsUntilFaster(double centiKnots) {
    return std::max<int64_t>(1, static_cast<int64_t>(centiKnots / kMaxSpeedStepCentiKnots));
}

GpsFix FixAt(int64_t unixSeconds) {
    const double t = static_cast<double>(unixSeconds - kRouteEpoch);
    const double driven = DrivenMetres(unixSeconds);
    const double speed = kMeanSpeed + kSpeedSwing * std::sin(2.0 * kPi / kSpeedPeriod * t);

    const Loop& loop = TheLoop();
    double along = std::fmod(driven, loop.length);
    if (along < 0) {
        along += loop.length;
    }
    size_t leg = 0;
    while (leg + 1 < kLoopPoints && along > loop.legs[leg].length) {
        along -= loop.legs[leg].length;
        ++leg;
    }
    const Leg& on = loop.legs[leg];
    const double share = along / on.length;

    GpsFix fix{};
    fix.utcSeconds = static_cast<uint32_t>(unixSeconds);
    fix.latitudeE7 = ToE7(on.from->lat + (on.to->lat - on.from->lat) * share);
    fix.longitudeE7 = ToE7(on.from->lon + (on.to->lon - on.from->lon) * share);
    fix.speedCentiKnots =
        static_cast<uint16_t>(std::lround(speed * kKnotsPerMetrePerSecond * 100.0));
    fix.courseCentiDegrees = static_cast<uint16_t>(std::lround(on.course * 100.0) % 36000);
    return fix;
}

// In doubles throughout: a log read from a file may end anywhere on the
// globe, and the difference of two longitudes overflows 32 bits.
double DistanceMetres(const GpsFix& a, const GpsFix& b) {
    const double latA = a.latitudeE7 / 1e7;
    const double latB = b.latitudeE7 / 1e7;
    const double midLat = (latA + latB) / 2.0 * kPi / 180.0;
    const double dx =
        (b.longitudeE7 / 1e7 - a.longitudeE7 / 1e7) * kMetresPerDegreeLonEquator * std::cos(midLat);
    const double dy = (latB - latA) * kMetresPerDegreeLat;
    return std::hypot(dx, dy);
}

}  // namespace orlog7emu
