#include "operations/SettingsFields.h"

#include <cstdint>
#include <optional>

#include "res/resource.h"

namespace vantrel {
namespace {

using ValuePart = std::optional<std::string>;  // empty: leave the field as it is

std::string Decimal(int value) {
    return std::to_string(value);
}

ValuePart NumberOrDisable(int32_t value) {
    return value == kSettingDisabled ? std::string("Disable") : std::to_string(value);
}

// Values outside [low, high] are shown as "0", never refused.
ValuePart InRangeOrZero(int value, int low, int high) {
    return Decimal(value >= low && value <= high ? value : 0);
}

ValuePart TimeInterval(const DeviceSettings& s) {
    return NumberOrDisable(s.timeInterval);
}
ValuePart DisplacementInterval(const DeviceSettings& s) {
    return NumberOrDisable(s.displacementInterval);
}
// Enable is 2, not 1; any other value writes nothing.
ValuePart Vibration(const DeviceSettings& s) {
    switch (s.vibration) {
    case 0:
        return std::string("Disable");
    case 2:
        return std::string("Enable");
    default:
        return std::nullopt;
    }
}
ValuePart Tag(const DeviceSettings& s) {
    return std::string(s.tag == 0 ? "Disable" : "Enable");
}
ValuePart MinSpeedLimit(const DeviceSettings& s) {
    return Decimal(s.minSpeedLimit);
}
ValuePart IntoIdleTimer(const DeviceSettings& s) {
    return Decimal(s.intoIdleTimer);
}
ValuePart TagMode(const DeviceSettings& s) {
    return std::string(s.tagMode == 0 ? "Tag_For_Continuous_Mode" : "Tag_For_User_Point_Mode");
}
ValuePart TimeZone(const DeviceSettings& s) {
    return InRangeOrZero(s.timeZone, -12, 12);
}
ValuePart CarSpeedLimit(const DeviceSettings& s) {
    return InRangeOrZero(s.carSpeedLimit, 50, 250);
}

using SettingsField = FieldRow<ValuePart (*)(const DeviceSettings&)>;

// The spacing is deliberate: some labels have two blanks before "=", and the
// idle timer's suffix has none before ")".
constexpr SettingsField kSettingsFields[] = {
    {IDC_READ_TIME_INTERVAL, "( Read Time Interval = ", &TimeInterval, " )"},
    {IDC_READ_DISPLACEMENT_INTERVAL, "( Read Displacement Interval = ", &DisplacementInterval,
     " )"},
    {IDC_READ_VIBRATION, "( Vibration  = ", &Vibration, " )"},
    {IDC_READ_TAG, "( Tag  = ", &Tag, " )"},
    {IDC_READ_MIN_SPEED_LIMIT, "( Min. Speed limit  = ", &MinSpeedLimit, " )"},
    {IDC_READ_IDLE_TIMER, "( Into Idle Timer  = ", &IntoIdleTimer, " minute)"},
    {IDC_READ_TAG_MODE, "( Tag Mode  = ", &TagMode, " )"},
    {IDC_READ_TIME_ZONE, "( Time Zone = ", &TimeZone, " )"},
    {IDC_READ_CAR_SPEED_LIMIT, "( Car Speed Limit = ", &CarSpeedLimit, " )"},
};

// A hemisphere byte as its text for 0 or 1; "?," for any other value.
const char* Hemisphere(uint8_t byte, const char* zero, const char* one) {
    return byte == 0 ? zero : byte == 1 ? one : "?,";
}

// Degrees, the degree sign (U+00B0 in UTF-8), minutes, seconds, the digits
// after the seconds' point, then double quote, space, comma, space.
std::string Coordinate(uint8_t degrees, uint8_t minutes, uint8_t seconds, uint8_t fraction) {
    return Decimal(degrees) + "\xC2\xB0" + Decimal(minutes) + "'" + Decimal(seconds) + "." +
           Decimal(fraction) + "\" , ";
}

}  // namespace

// "S," has no blank after it, unlike the other hemispheres; the reserved
// bytes are not shown.
std::string UserPointLine(std::size_t slot, const UserPoint& point) {
    return "User Point " + std::to_string(slot) + "-- " +
           Hemisphere(point.lonHemisphere, "E, ", "W, ") +
           Coordinate(point.lonDegrees, point.lonMinutes, point.lonSeconds,
                      point.lonSecondsFraction) +
           Hemisphere(point.latHemisphere, "N, ", "S,") +
           Coordinate(point.latDegrees, point.latMinutes, point.latSeconds,
                      point.latSecondsFraction) +
           Decimal(point.distance100m) + " * 100 m , " +
           (point.enabled == 1 ? "Enable , " : "Disable , ");
}

std::vector<FieldText> SettingsFieldTexts(const DeviceSettings& reading) {
    std::vector<FieldText> texts;
    for (const SettingsField& field : kSettingsFields) {
        if (const ValuePart value = field.value(reading)) {
            texts.push_back(ComposeField({field.controlId, field.prefix, *value, field.suffix}));
        }
    }
    for (std::size_t slot = 0; slot < reading.userPoints.size(); ++slot) {
        texts.push_back({IDC_USER_POINT_0 + static_cast<int>(slot),
                         UserPointLine(slot, reading.userPoints[slot])});
    }
    return texts;
}

}  // namespace vantrel
