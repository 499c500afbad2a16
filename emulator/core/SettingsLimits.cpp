#include "SettingsLimits.h"

#include "ResultCode.h"

namespace orlog7emu {

namespace {

// An interval is -1 (disabled) or 1..max; over the maximum has its own code,
// zero and other negatives are plain value errors.
int32_t CheckInterval(int32_t value, int32_t max, int32_t overCode) {
    if (value == kDisabledInterval || (value >= 1 && value <= max)) {
        return 0;
    }
    return value > max ? overCode : code::kSettingValueError;
}

bool AngleOk(uint8_t hemisphere, uint8_t degrees, uint8_t minutes, uint8_t seconds,
             uint8_t fraction, uint8_t maxDegrees) {
    if (hemisphere > 1 || minutes > 59 || seconds > 59 || fraction > 99) {
        return false;
    }
    if (degrees > maxDegrees) {
        return false;
    }
    return degrees < maxDegrees || (minutes == 0 && seconds == 0 && fraction == 0);
}

}  // namespace

int32_t CheckUserPoint(const UserPoint& p) {
    if (IsEmptyUserPoint(p)) {
        return 0;
    }
    const bool ok = AngleOk(p.lonHemisphere, p.lonDegrees, p.lonMinutes, p.lonSeconds,
                            p.lonSecondsFraction, 180) &&
                    AngleOk(p.latHemisphere, p.latDegrees, p.latMinutes, p.latSeconds,
                            p.latSecondsFraction, 90) &&
                    p.distance100m >= 1;
    return ok ? 0 : code::kUserPointDataError;
}

int32_t CheckSettingsBeforeWaveFolder(const LoggerSettings& s) {
    if (int32_t c = CheckInterval(s.timeInterval, kMaxTimeInterval, code::kTimeIntervalOver3600)) {
        return c;
    }
    if (int32_t c = CheckInterval(s.displacementInterval, kMaxDisplacementInterval,
                                  code::kDisplacementOver3000)) {
        return c;
    }
    if (s.vibration != 0 && s.vibration != 2) {
        return code::kSettingValueError;
    }
    return 0;  // any tag value is valid: 0 is off, the rest on
}

int32_t CheckSettingsAfterWaveFolder(const LoggerSettings& s, bool userPointsGiven) {
    if (s.minSpeedLimit > kMaxMinSpeedLimit) {
        return code::kMinSpeedOver20Knot;
    }
    if (!userPointsGiven) {
        return code::kUserPointDataError;
    }
    for (const UserPoint& point : s.userPoints) {
        if (int32_t c = CheckUserPoint(point)) {
            return c;
        }
    }
    if (s.intoIdleTimer < kMinIdleTimer || s.intoIdleTimer > kMaxIdleTimer) {
        return code::kIdleTimerOutOfRange;
    }
    if (s.tagMode != kTagModeContinuous && s.tagMode != kTagModeUserPoint) {
        return code::kTagModeError;
    }
    if (s.timeZone < kMinTimeZone || s.timeZone > kMaxTimeZone) {
        return code::kTimeZoneError;
    }
    if (s.carSpeedLimit < kMinCarSpeedLimit || s.carSpeedLimit > kMaxCarSpeedLimit) {
        return code::kCarSpeedLimitError;
    }
    return 0;
}

int32_t CheckSettings(const LoggerSettings& s) {
    if (int32_t c = CheckSettingsBeforeWaveFolder(s)) {
        return c;
    }
    return CheckSettingsAfterWaveFolder(s);
}

}  // namespace orlog7emu
