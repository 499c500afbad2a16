// The settings the write must send, and what the readback must show for given
// values, worked out by hand apart from the program's settings tables. Texts
// are UTF-8.
#ifndef VANTREL_TESTS_COMMON_EXPECTEDSETTINGSTEXTS_H
#define VANTREL_TESTS_COMMON_EXPECTEDSETTINGSTEXTS_H

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "ExpectedResults.h"

namespace expected {

// The degree sign, U+00B0, in UTF-8.
constexpr const char* kDegree = "\xC2\xB0";
constexpr const char* kWaveFilePath = "g:\\abcd\\WaveFile";

// The settings values in the order both exports take them, each as the tool
// reads it (the four-byte readback outputs by their lowest-addressed byte).
struct Settings {
    int32_t timeInterval = 0;
    int32_t displacementInterval = 0;
    uint8_t vibration = 0;
    uint8_t tag = 0;
    uint8_t minSpeedLimit = 0;
    std::vector<uint8_t> userPoints = std::vector<uint8_t>(160, 0);  // ten 16-byte records
    uint8_t intoIdleTimer = 0;
    uint8_t tagMode = 0;
    int8_t timeZone = 0;
    uint8_t carSpeedLimit = 0;

    bool operator==(const Settings& o) const {
        return timeInterval == o.timeInterval && displacementInterval == o.displacementInterval &&
               vibration == o.vibration && tag == o.tag && minSpeedLimit == o.minSpeedLimit &&
               userPoints == o.userPoints && intoIdleTimer == o.intoIdleTimer &&
               tagMode == o.tagMode && timeZone == o.timeZone && carSpeedLimit == o.carSpeedLimit;
    }
};

// The same ten settings in another struct that names them alike (the
// program's, the emulator's, these), the user points as 160 bytes.
template <typename To, typename From>
To SettingsAs(const From& from) {
    To to{};
    to.timeInterval = from.timeInterval;
    to.displacementInterval = from.displacementInterval;
    to.vibration = from.vibration;
    to.tag = from.tag;
    to.minSpeedLimit = from.minSpeedLimit;
    std::memcpy(to.userPoints.data(), from.userPoints.data(), 160);
    to.intoIdleTimer = from.intoIdleTimer;
    to.tagMode = from.tagMode;
    to.timeZone = from.timeZone;
    to.carSpeedLimit = from.carSpeedLimit;
    return to;
}

// What every click of the settings write sends besides the port and the path.
inline Settings WrittenSettings() {
    Settings s;
    s.timeInterval = 1;
    s.displacementInterval = -1;
    s.vibration = 2;
    s.tag = 1;
    s.minSpeedLimit = 0;
    s.userPoints = {0x00, 0x79, 0x26, 0x2E, 0x05, 0x00, 0x19, 0x03, 0x26, 0x23, 0x01,
                    0xFF, 0xFF, 0x01, 0xFF, 0xFF, 0x00, 0x79, 0x1E, 0x36, 0x56, 0x00,
                    0x19, 0x01, 0x06, 0x14, 0x02, 0xFF, 0xFF, 0x01, 0xFF, 0xFF};
    s.userPoints.resize(160, 0xFF);  // slots 2 to 9
    s.intoIdleTimer = 10;
    s.tagMode = 0;
    s.timeZone = 8;
    s.carSpeedLimit = 50;
    return s;
}

// The line of user-point slot `slot` for its 16 bytes.
inline std::string UserPointLine(int slot, const uint8_t* b) {
    auto n = [](uint8_t value) { return std::to_string(value); };
    auto mark = [](uint8_t value, const char* zero, const char* one) {
        return std::string(value == 0 ? zero : value == 1 ? one : "?,");
    };
    const std::string fractionEnd = "\" , ";
    return "User Point " + std::to_string(slot) + "-- " + mark(b[0], "E, ", "W, ") + n(b[1]) +
           kDegree + n(b[2]) + "'" + n(b[3]) + "." + n(b[4]) + fractionEnd +
           mark(b[5], "N, ", "S,") + n(b[6]) + kDegree + n(b[7]) + "'" + n(b[8]) + "." + n(b[9]) +
           fractionEnd + n(b[10]) + " * 100 m , " + (b[13] == 1 ? "Enable , " : "Disable , ");
}

// The fields the readback writes for `s`, in order: eighteen when the
// vibration byte is neither 0 nor 2 (its field is then left alone).
inline Events ReadbackFields(const Settings& s) {
    auto number = [](int32_t value) {
        return value == -1 ? std::string("Disable") : std::to_string(value);
    };
    Events fields = {
        Field(1008, "( Read Time Interval = " + number(s.timeInterval) + " )"),
        Field(1009, "( Read Displacement Interval = " + number(s.displacementInterval) + " )"),
    };
    if (s.vibration == 0 || s.vibration == 2) {
        fields.push_back(
            Field(1010, s.vibration == 2 ? "( Vibration  = Enable )" : "( Vibration  = Disable )"));
    }
    const int timeZone = s.timeZone >= -12 && s.timeZone <= 12 ? s.timeZone : 0;
    const int carSpeed = s.carSpeedLimit >= 50 && s.carSpeedLimit <= 250 ? s.carSpeedLimit : 0;
    const Events rest = {
        Field(1011, s.tag != 0 ? "( Tag  = Enable )" : "( Tag  = Disable )"),
        Field(1021, "( Min. Speed limit  = " + std::to_string(s.minSpeedLimit) + " )"),
        Field(1038, "( Into Idle Timer  = " + std::to_string(s.intoIdleTimer) + " minute)"),
        Field(1042, s.tagMode == 0 ? "( Tag Mode  = Tag_For_Continuous_Mode )"
                                   : "( Tag Mode  = Tag_For_User_Point_Mode )"),
        Field(1044, "( Time Zone = " + std::to_string(timeZone) + " )"),
        Field(1045, "( Car Speed Limit = " + std::to_string(carSpeed) + " )"),
    };
    fields.insert(fields.end(), rest.begin(), rest.end());
    for (int slot = 0; slot < 10; ++slot) {
        fields.push_back(Field(1028 + slot, UserPointLine(slot, &s.userPoints[slot * 16])));
    }
    return fields;
}

// The readback of a logger that returns exactly what the write sent, spelled
// out whole as a worked example that also keeps ReadbackFields honest.
inline Events WrittenSettingsReadback() {
    Events fields = {
        Field(1008, "( Read Time Interval = 1 )"),
        Field(1009, "( Read Displacement Interval = Disable )"),
        Field(1010, "( Vibration  = Enable )"),
        Field(1011, "( Tag  = Enable )"),
        Field(1021, "( Min. Speed limit  = 0 )"),
        Field(1038, "( Into Idle Timer  = 10 minute)"),
        Field(1042, "( Tag Mode  = Tag_For_Continuous_Mode )"),
        Field(1044, "( Time Zone = 8 )"),
        Field(1045, "( Car Speed Limit = 50 )"),
        Field(1028, std::string("User Point 0-- E, 121") + kDegree + "38'46.5\" , N, 25" + kDegree +
                        "3'38.35\" , 1 * 100 m , Enable , "),
        Field(1029, std::string("User Point 1-- E, 121") + kDegree + "30'54.86\" , N, 25" +
                        kDegree + "1'6.20\" , 2 * 100 m , Enable , "),
    };
    for (int slot = 2; slot <= 9; ++slot) {
        fields.push_back(Field(1028 + slot, "User Point " + std::to_string(slot) + "-- ?,255" +
                                                kDegree + "255'255.255\" , ?,255" + kDegree +
                                                "255'255.255\" , 255 * 100 m , Disable , "));
    }
    return fields;
}

}  // namespace expected

#endif
