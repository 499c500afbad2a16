// What the settings readback must show, written out by hand: shared by the
// unit tests and the end-to-end tests so that both check the same texts, and
// independent of the program's own field tables.
#ifndef VANTREL_TESTS_EXPECTEDSETTINGSTEXTS_H
#define VANTREL_TESTS_EXPECTEDSETTINGSTEXTS_H

#include <string>
#include <vector>

namespace expected_settings {

// The degree sign, U+00B0, in UTF-8.
constexpr const char* kDegree = "\xC2\xB0";

// The line of a user-point slot holding 0xFF in every byte.
inline std::string FfUserPointLine(int slot) {
    return "User Point " + std::to_string(slot) + "-- ?,255" + kDegree + "255'255.255\" , ?,255" +
           kDegree + "255'255.255\" , 255 * 100 m , Disable , ";
}

// The line of a user-point slot holding 0 in every byte.
inline std::string ZeroUserPointLine(int slot) {
    return "User Point " + std::to_string(slot) + "-- E, 0" + kDegree + "0'0.0\" , N, 0" + kDegree +
           "0'0.0\" , 0 * 100 m , Disable , ";
}

struct Field {
    int controlId;
    std::string text;  // UTF-8
};

// The nineteen fields, in the order they are written, for a logger that
// returns exactly the settings the tool writes.
inline std::vector<Field> WrittenSettingsReadback() {
    std::vector<Field> fields = {
        {1008, "( Read Time Interval = 1 )"},
        {1009, "( Read Displacement Interval = Disable )"},
        {1010, "( Vibration  = Enable )"},
        {1011, "( Tag  = Enable )"},
        {1021, "( Min. Speed limit  = 0 )"},
        {1038, "( Into Idle Timer  = 10 minute)"},
        {1042, "( Tag Mode  = Tag_For_Continuous_Mode )"},
        {1044, "( Time Zone = 8 )"},
        {1045, "( Car Speed Limit = 50 )"},
        {1028, std::string("User Point 0-- E, 121") + kDegree + "38'46.5\" , N, 25" + kDegree +
                   "3'38.35\" , 1 * 100 m , Enable , "},
        {1029, std::string("User Point 1-- E, 121") + kDegree + "30'54.86\" , N, 25" + kDegree +
                   "1'6.20\" , 2 * 100 m , Enable , "},
    };
    for (int slot = 2; slot <= 9; ++slot) {
        fields.push_back({1028 + slot, FfUserPointLine(slot)});
    }
    return fields;
}

// Just the texts of WrittenSettingsReadback(), in order.
inline std::vector<std::string> WrittenSettingsReadbackTexts() {
    std::vector<std::string> texts;
    for (const Field& field : WrittenSettingsReadback()) {
        texts.push_back(field.text);
    }
    return texts;
}

struct Box {
    int code;
    const char* text;
};

// The codes of the settings write, in the order they are compared.
inline const std::vector<Box>& SettingDeviceBoxes() {
    static const std::vector<Box> boxes = {
        {15, "15 return_setting_value_error"},
        {19, "19 return_timeInterval_over_3600second_error"},
        {20, "20 return_displacementinterval_over_3000meter_error"},
        {30, "30 return_log_min_speed_over_20_knot_error"},
        {23, "23 return_error_wave_file_path"},
        {5, "5 return_pc_not_enough_memory"},
        {16, "16 return_uncompleted_wave_files"},
        {17, "17 return_file_size_over_128K_bytes"},
        {26, "26 return_not_dump_mode"},
        {12, "12 return_device_not_report"},
        {18, "18 return_setting_fail"},
        {43, "43 return_user_point_data_errer"},
        {44, "44 return_Into_Idle_Timer_over_rang_error"},
        {46, "46 return_tag_mode_error"},
        {47, "47 return_time_zone_error"},
        {48, "48 return_car_speed_limit_error"},
        {14, "14 return_setting_device_successful"},
    };
    return boxes;
}

}  // namespace expected_settings

#endif
