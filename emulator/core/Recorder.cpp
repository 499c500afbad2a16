#include "Recorder.h"

#include <algorithm>

#include "Route.h"

namespace orlog7emu {

// Considers every second from the last one considered up to `now`, but
// passes over the seconds in which no fix can be due: until the next
// interval with a time interval alone, while the car is surely too slow, and
// until it can have moved the displacement interval. So forty days away take
// about as long as the fixes they log.
size_t CatchUpLogging(LoggerState& state, int64_t now) {
    now = LoggableTime(now);
    if (now <= state.loggedThrough) {
        return 0;  // the clock went back: wait for it
    }
    const LoggerSettings& s = state.settings;
    const bool byTime = s.timeInterval > 0;
    const bool byDistance = s.displacementInterval > 0;
    const uint32_t minSpeed = s.minSpeedLimit * 100u;  // in 0.01 knot, as the fixes

    size_t added = 0;
    int64_t t = std::max(state.loggedThrough + 1, now - kMaxCatchUpSeconds);
    while ((byTime || byDistance) && t <= now && state.log.size() < kLogCapacityRecords) {
        const bool haveLast = !state.log.empty();
        const int64_t timeDueAt =
            haveLast ? static_cast<int64_t>(state.log.back().utcSeconds) + s.timeInterval : t;
        if (haveLast && byTime && !byDistance && timeDueAt > t) {
            t = timeDueAt;  // only every interval can log
            continue;
        }
        const GpsFix fix = FixAt(t);
        if (fix.speedCentiKnots < minSpeed) {
            t += SecondsUntilFaster(minSpeed - fix.speedCentiKnots);
            continue;
        }
        const bool timeDue = byTime && t >= timeDueAt;
        const double distance = haveLast ? DistanceMetres(state.log.back(), fix) : 0.0;
        const bool distanceDue = byDistance && (!haveLast || distance >= s.displacementInterval);
        if (timeDue || distanceDue) {
            state.log.push_back(fix);
            ++added;
            ++t;
            continue;
        }
        int64_t next = t + 1;
        if (byDistance) {
            next = t + SecondsUntilFurther(t, s.displacementInterval - distance);
        }
        t = byTime ? std::min(next, timeDueAt) : next;
    }
    state.loggedThrough = now;
    return added;
}

void SkipLoggingUntil(LoggerState& state, int64_t now) {
    state.loggedThrough = std::max(state.loggedThrough, LoggableTime(now));
}

}  // namespace orlog7emu
