#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "operations/SettingsFields.h"
#include "res/resource.h"

namespace vantrel {
namespace testing {
namespace {

// A reading with every value in its display range and nothing Disabled.
DeviceSettings PlainReading() {
    DeviceSettings s{};
    s.timeInterval = 5;
    s.displacementInterval = 100;
    s.vibration = 2;
    s.tag = 1;
    s.intoIdleTimer = 5;
    s.timeZone = 8;
    s.carSpeedLimit = 50;
    return s;
}

std::optional<std::string> TextOf(const DeviceSettings& reading, int controlId) {
    for (const FieldText& field : SettingsFieldTexts(reading)) {
        if (field.controlId == controlId) {
            return field.text;
        }
    }
    return std::nullopt;
}

UserPoint PointOfBytes(uint8_t fill) {
    UserPoint p;
    std::memset(&p, fill, sizeof(p));
    return p;
}

const char kFfLine[] =
    "User Point 3-- ?,255\xC2\xB0"
    "255'255.255\" , ?,255\xC2\xB0"
    "255'255.255\" , "
    "255 * 100 m , Disable , ";
const char kZeroLine[] =
    "User Point 9-- E, 0\xC2\xB0"
    "0'0.0\" , N, 0\xC2\xB0"
    "0'0.0\" , 0 * 100 m , Disable , ";

TEST(SettingsFields, SettingsFieldTexts) {
    struct Case {
        void (*set)(DeviceSettings&);
        int control;
        const char* text;  // null: the field is not written
    };
    const Case cases[] = {
        {[](DeviceSettings& s) { s.timeInterval = -1; }, IDC_READ_TIME_INTERVAL,
         "( Read Time Interval = Disable )"},
        {[](DeviceSettings& s) { s.timeInterval = 0; }, IDC_READ_TIME_INTERVAL,
         "( Read Time Interval = 0 )"},
        {[](DeviceSettings& s) { s.timeInterval = -2; }, IDC_READ_TIME_INTERVAL,
         "( Read Time Interval = -2 )"},
        {[](DeviceSettings& s) { s.timeInterval = INT32_MIN; }, IDC_READ_TIME_INTERVAL,
         "( Read Time Interval = -2147483648 )"},
        {[](DeviceSettings& s) { s.timeInterval = 3600; }, IDC_READ_TIME_INTERVAL,
         "( Read Time Interval = 3600 )"},
        {[](DeviceSettings& s) { s.displacementInterval = -1; }, IDC_READ_DISPLACEMENT_INTERVAL,
         "( Read Displacement Interval = Disable )"},
        {[](DeviceSettings& s) { s.displacementInterval = 255; }, IDC_READ_DISPLACEMENT_INTERVAL,
         "( Read Displacement Interval = 255 )"},
        {[](DeviceSettings& s) { s.vibration = 0; }, IDC_READ_VIBRATION,
         "( Vibration  = Disable )"},
        {[](DeviceSettings& s) { s.vibration = 2; }, IDC_READ_VIBRATION, "( Vibration  = Enable )"},
        {[](DeviceSettings& s) { s.vibration = 1; }, IDC_READ_VIBRATION, nullptr},
        {[](DeviceSettings& s) { s.vibration = 255; }, IDC_READ_VIBRATION, nullptr},
        {[](DeviceSettings& s) { s.tag = 0; }, IDC_READ_TAG, "( Tag  = Disable )"},
        {[](DeviceSettings& s) { s.tag = 5; }, IDC_READ_TAG, "( Tag  = Enable )"},
        {[](DeviceSettings& s) { s.minSpeedLimit = 0; }, IDC_READ_MIN_SPEED_LIMIT,
         "( Min. Speed limit  = 0 )"},
        {[](DeviceSettings& s) { s.minSpeedLimit = 255; }, IDC_READ_MIN_SPEED_LIMIT,
         "( Min. Speed limit  = 255 )"},
        {[](DeviceSettings& s) { s.intoIdleTimer = 10; }, IDC_READ_IDLE_TIMER,
         "( Into Idle Timer  = 10 minute)"},
        {[](DeviceSettings& s) { s.intoIdleTimer = 255; }, IDC_READ_IDLE_TIMER,
         "( Into Idle Timer  = 255 minute)"},
        {[](DeviceSettings& s) { s.tagMode = 0; }, IDC_READ_TAG_MODE,
         "( Tag Mode  = Tag_For_Continuous_Mode )"},
        {[](DeviceSettings& s) { s.tagMode = 1; }, IDC_READ_TAG_MODE,
         "( Tag Mode  = Tag_For_User_Point_Mode )"},
        {[](DeviceSettings& s) { s.tagMode = 200; }, IDC_READ_TAG_MODE,
         "( Tag Mode  = Tag_For_User_Point_Mode )"},
        {[](DeviceSettings& s) { s.timeZone = 12; }, IDC_READ_TIME_ZONE, "( Time Zone = 12 )"},
        {[](DeviceSettings& s) { s.timeZone = -12; }, IDC_READ_TIME_ZONE, "( Time Zone = -12 )"},
        {[](DeviceSettings& s) { s.timeZone = 13; }, IDC_READ_TIME_ZONE, "( Time Zone = 0 )"},
        {[](DeviceSettings& s) { s.timeZone = -13; }, IDC_READ_TIME_ZONE, "( Time Zone = 0 )"},
        {[](DeviceSettings& s) { s.timeZone = 0; }, IDC_READ_TIME_ZONE, "( Time Zone = 0 )"},
        {[](DeviceSettings& s) { s.timeZone = -128; }, IDC_READ_TIME_ZONE, "( Time Zone = 0 )"},
        {[](DeviceSettings& s) { s.carSpeedLimit = 49; }, IDC_READ_CAR_SPEED_LIMIT,
         "( Car Speed Limit = 0 )"},
        {[](DeviceSettings& s) { s.carSpeedLimit = 50; }, IDC_READ_CAR_SPEED_LIMIT,
         "( Car Speed Limit = 50 )"},
        {[](DeviceSettings& s) { s.carSpeedLimit = 250; }, IDC_READ_CAR_SPEED_LIMIT,
         "( Car Speed Limit = 250 )"},
        {[](DeviceSettings& s) { s.carSpeedLimit = 251; }, IDC_READ_CAR_SPEED_LIMIT,
         "( Car Speed Limit = 0 )"},
        // 200 as a signed byte is negative: the limit must compare unsigned.
        {[](DeviceSettings& s) { s.carSpeedLimit = 200; }, IDC_READ_CAR_SPEED_LIMIT,
         "( Car Speed Limit = 200 )"},
    };
    for (const Case& c : cases) {
        DeviceSettings reading = PlainReading();
        c.set(reading);
        const auto text = TextOf(reading, c.control);
        if (c.text == nullptr) {
            EXPECT_FALSE(text.has_value()) << c.control << ": " << text.value_or("");
        } else {
            EXPECT_EQ(text.value_or("<not written>"), c.text) << c.control;
        }
    }
}

TEST(SettingsFields, FieldOrderIsSettingsThenUserPoints) {
    std::vector<int> order;
    for (const FieldText& field : SettingsFieldTexts(PlainReading())) {
        order.push_back(field.controlId);
    }
    EXPECT_EQ(order, (std::vector<int>{1008, 1009, 1010, 1011, 1021, 1038, 1042, 1044, 1045, 1028,
                                       1029, 1030, 1031, 1032, 1033, 1034, 1035, 1036, 1037}));
}

TEST(SettingsFields, UserPointLines) {
    UserPoint west = PointOfBytes(0);
    west.lonHemisphere = 1;
    west.latHemisphere = 1;
    west.lonDegrees = 7;
    west.latSecondsFraction = 5;
    west.enabled = 1;
    UserPoint odd = PointOfBytes(0);
    odd.lonHemisphere = 2;
    odd.latHemisphere = 2;
    odd.enabled = 2;
    odd.reserved1[0] = 9;  // reserved bytes are never shown
    odd.reserved2[1] = 9;

    EXPECT_EQ(UserPointLine(3, PointOfBytes(0xFF)), kFfLine);
    EXPECT_EQ(UserPointLine(9, PointOfBytes(0)), kZeroLine);
    EXPECT_EQ(UserPointLine(0, west),
              "User Point 0-- W, 7\xC2\xB0"
              "0'0.0\" , S,0\xC2\xB0"
              "0'0.5\" , 0 * 100 m , "
              "Enable , ");
    EXPECT_EQ(UserPointLine(1, odd),
              "User Point 1-- ?,0\xC2\xB0"
              "0'0.0\" , ?,0\xC2\xB0"
              "0'0.0\" , 0 * 100 m , "
              "Disable , ");
}

// The worked example: slot 0 of the settings write, piece by piece.
TEST(SettingsFields, WrittenSlotZeroReadsAsTheWorkedExample) {
    const std::string pieces[] = {
        "User Point 0-- ", "E, ", "121",         "\xC2\xB0", "38", "'", "46", ".", "5",
        "\" , ",           "N, ", "25",          "\xC2\xB0", "3",  "'", "38", ".", "35",
        "\" , ",           "1",   " * 100 m , ", "Enable , "};
    std::string expected;
    for (const std::string& piece : pieces) {
        expected += piece;
    }
    EXPECT_EQ(UserPointLine(0, WrittenSettings().userPoints[0]), expected);
}

}  // namespace
}  // namespace testing
}  // namespace vantrel
