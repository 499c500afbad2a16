#include "LoggerState.h"

#include "Route.h"

namespace orlog7emu {

LoggerSettings FactorySettings() {
    LoggerSettings s{};
    s.timeInterval = 5;
    s.displacementInterval = -1;
    s.vibration = 2;
    s.tag = 1;
    s.minSpeedLimit = 0;
    s.userPoints.fill(EmptyUserPoint());
    s.intoIdleTimer = 5;
    s.tagMode = 0;
    s.timeZone = 8;
    s.carSpeedLimit = 100;
    return s;
}

LoggerState FactoryFreshState(int64_t now) {
    LoggerState state;
    state.firmwareVersion = "V1.00";
    state.distributorName = "Vantrel Emulated Devices";
    state.modelName = "ORLOG7";
    state.settings = FactorySettings();
    state.log.reserve(kFactoryTrackFixes);
    for (size_t i = 0; i < kFactoryTrackFixes; ++i) {
        state.log.push_back(
            FixAt(kFactoryTrackStart + static_cast<int64_t>(i) * kFactoryTrackInterval));
    }
    // The logger was switched on just now; the test drive lies in the past.
    state.loggedThrough = LoggableTime(now);
    return state;
}

}  // namespace orlog7emu
