#include "Recorder.h"

#include <algorithm>

#include "Route.h"

namespace orlog7emu {

size_t CatchUpLogging(LoggerState& state, int64_t now) {
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
        if (haveLast && byTime && !byDistance) {
            // Only every interval can log: jump to the next due second.
            const int64_t due = static_cast<int64_t>(state.log.back().utcSeconds) + s.timeInterval;
            if (due > t) {
                t = due;
                continue;
            }
        }
        const GpsFix fix = FixAt(t);
        const bool timeDue =
            byTime && (!haveLast || t - state.log.back().utcSeconds >= s.timeInterval);
        const bool distanceDue =
            byDistance &&
            (!haveLast || DistanceMetres(state.log.back(), fix) >= s.displacementInterval);
        if ((timeDue || distanceDue) && fix.speedCentiKnots >= minSpeed) {
            state.log.push_back(fix);
            ++added;
        }
        ++t;
    }
    state.loggedThrough = now;
    return added;
}

void SkipLoggingUntil(LoggerState& state, int64_t now) {
    state.loggedThrough = std::max(state.loggedThrough, now);
}

}  // namespace orlog7emu
