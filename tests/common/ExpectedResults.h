// What every operation button must show for each result code, written out by
// hand from the behaviour the user sees and kept apart from the program's own
// tables, so that a typo on either side fails a test. The unit tests, the
// end-to-end cases and the hostile-library sweep all walk these tables.
#ifndef VANTREL_TESTS_COMMON_EXPECTEDRESULTS_H
#define VANTREL_TESTS_COMMON_EXPECTEDRESULTS_H

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace expected {

constexpr const char* kResultCaption = "API-return";
constexpr const char* kPleaseLink = "Please link library";
constexpr const char* kCannotLink = "Can not link library";
constexpr const char* kUpgradeFinished = "F/W Upgrade Finish,Please Remove USB Cable";
constexpr const char* kSerialRefused = "'nSerial Number' error, Try again";
constexpr const char* kSerialRefusedCaption = "Info";

// The fixed paths handed to the library.
constexpr const char* kDumpFilePath = "g:\\abcd\\123456.dat";
constexpr const char* kFirmwareImagePath = "g:\\abcd\\binfile\\ORLOG7_Encode.Bin";

// The message of a result code, or nullptr for a code that has none.
inline const char* MessageOf(int32_t code) {
    struct Message {
        int32_t code;
        const char* text;
    };
    static const Message kMessages[] = {
        {2, "return_dump_db_successful"},  // the one text without its number
        {3, "3 return_open_com_port_Error"},
        {4, "4 return_can_not_into_dump_mode"},
        {5, "5 return_pc_not_enough_memory"},
        {6, "6 return_can_not_build_dump_file"},
        {7, "7 return_can_not_build_StorDB_file"},
        {8, "8 return_can_not_build_output_file"},
        {9, "9 return_can_not_open_dump_file"},
        {10, "10 return_can_not_open_storDB_file"},
        {11, "11 return_can_not_open_output_file"},
        {12, "12 return_device_not_report"},
        {13, "13 return_erase_db_successful"},
        {14, "14 return_setting_device_successful"},
        {15, "15 return_setting_value_error"},
        {16, "16 return_uncompleted_wave_files"},
        {17, "17 return_file_size_over_128K_bytes"},
        {18, "18 return_setting_fail"},
        {19, "19 return_timeInterval_over_3600second_error"},
        {20, "20 return_displacementinterval_over_3000meter_error"},
        {21, "21 return_read_dll_version__successful"},
        {22, "22 return_read_setting_interval_successful"},
        {23, "23 return_error_wave_file_path"},
        {24, "24 return_into_dump_mode_successful"},
        {25, "25 return_exit_dump_mode_successful"},
        {26, "26 return_not_dump_mode"},
        {27, "27 return_read_null_device_info"},
        {28, "28 return_can_not_read_device_info"},
        {29, "29 return_read_device_info_successful"},
        {30, "30 return_log_min_speed_over_20_knot_error"},
        {31, "31 return_error_bin_file_path"},
        {32, "32 return_can_not_open_bin_file"},
        {33, "33 return_bin_file_size_error"},
        {34, "34 return_not_correct_bin_file"},
        {35, "35 return_upgrade_firmware_successful"},
        {36, "36 return_bin_file_checksum_error"},
        {37, "37 return_read_binfile_FW_version_successful"},
        {38, "38 return_read_gps_utc_time_invalid"},
        {39, "39 return_read_gps_utc_time_successful"},
        {40, "40 return_SN_value_is_Over"},
        {41, "41 return_setting_SN_successful"},
        {42, "42 return_cannot_modify_SN"},
        {43, "43 return_user_point_data_errer"},
        {44, "44 return_Into_Idle_Timer_over_rang_error"},
        {45, "45 return_read_memory_used_size_successful"},
        {46, "46 return_tag_mode_error"},
        {47, "47 return_time_zone_error"},
        {48, "48 return_car_speed_limit_error"},
    };
    for (const Message& message : kMessages) {
        if (message.code == code) {
            return message.text;
        }
    }
    return nullptr;
}

enum class Fields {
    Never,      // the operation writes no field
    BeforeBox,  // the success message opens over the new fields
    AfterBox,   // the fields change once the success message is closed
};

// One operation button: whether it passes a port, the codes it shows in the
// order it compares them (every one but `success` shows its message and
// writes nothing), and what it writes.
struct Operation {
    int button;
    const char* exportName;
    bool takesPort;
    std::vector<int32_t> listed;
    int32_t success;
    Fields fields;
    bool unlistedWritesFields;      // any code not listed writes the fields, no message
    const char* secondBox;          // shown after the success message, or nullptr
    std::vector<int> outputFields;  // in the order written
};

constexpr bool kPort = true;  // reads the port selector and passes its index
constexpr bool kNoPort = false;
constexpr bool kUnlistedWrite = true;  // any code not listed writes the fields, no message
constexpr bool kUnlistedSilent = false;

// clang-format off
inline const std::vector<Operation>& Operations() {
    static const std::vector<Operation> operations = {
        {1013, "KZ_ORLOG7_INTO_DUMP_MODE", kPort,
         {3, 4, 24}, 24, Fields::Never, kUnlistedSilent, nullptr, {}},
        // The scan report is written only for a scanned port other than 0.
        {1022, "KZ_ORLOG7_AUTO_INTO_DUMP_MODE", kNoPort,
         {3, 4, 24}, 24, Fields::AfterBox, kUnlistedWrite, nullptr, {1023}},
        {1014, "KZ_ORLOG7_EXIT_DUMP_MODE", kNoPort,
         {25}, 25, Fields::Never, kUnlistedSilent, nullptr, {}},
        {1002, "KZ_ORLOG7_DUMP_DB", kPort,
         {26, 5, 6, 7, 8, 9, 10, 11, 12, 2}, 2, Fields::Never, kUnlistedSilent, nullptr, {}},
        {1003, "KZ_ORLOG7_ERASE_All_DB", kPort,
         {26, 12, 13}, 13, Fields::Never, kUnlistedSilent, nullptr, {}},
        {1004, "KZ_ORLOG7_SETTING_DEVICE", kPort,
         {15, 19, 20, 30, 23, 5, 16, 17, 26, 12, 18, 43, 44, 46, 47, 48, 14}, 14,
         Fields::Never, kUnlistedSilent, nullptr, {}},
        {1007, "KZ_ORLOG7_READ_SETTING_VALUE", kPort,
         {26, 12, 22}, 22, Fields::AfterBox, kUnlistedSilent, nullptr,
         {1008, 1009, 1010, 1011, 1021, 1038, 1042, 1044, 1045,
          1028, 1029, 1030, 1031, 1032, 1033, 1034, 1035, 1036, 1037}},
        {1006, "KZ_ORLOG7_READ_DLL_VERSION", kNoPort,
         {21}, 21, Fields::AfterBox, kUnlistedSilent, nullptr, {1012}},
        {1015, "KZ_ORLOG7_READ_DEVICE_INFORMATION", kPort,
         {26, 27, 28, 29}, 29, Fields::BeforeBox, kUnlistedWrite, nullptr,
         {1017, 1016, 1043, 1046}},
        {1024, "KZ_ORLOG7_READ_GPS_UTC_TIME_DATE", kNoPort,
         {26, 38, 39}, 39, Fields::AfterBox, kUnlistedWrite, nullptr, {1025}},
        {1039, "KZ_ORLOG7_READ_MEMORY_USED_SIZE", kNoPort,
         {26, 12, 45}, 45, Fields::AfterBox, kUnlistedWrite, nullptr, {1040, 1041}},
        {1018, "KZ_ORLOG7_FW_UPGRADE", kPort,
         {5, 26, 31, 32, 33, 34, 36, 35}, 35, Fields::Never, kUnlistedSilent, kUpgradeFinished, {}},
        {1019, "KZ_ORLOG7_Read_BinFile_FW_Version", kNoPort,
         {5, 31, 32, 33, 34, 36, 37}, 37, Fields::BeforeBox, kUnlistedSilent, nullptr, {1020}},
        // The success code is compared first.
        {1027, "KZ_ORLOG7_Setting_SN", kNoPort,
         {41, 42, 27, 28, 12, 40}, 41, Fields::Never, kUnlistedSilent, nullptr, {}},
    };
    return operations;
}
// clang-format on

inline const Operation& OperationOf(int button) {
    for (const Operation& op : Operations()) {
        if (op.button == button) {
            return op;
        }
    }
    throw "no such operation button";
}

inline bool Lists(const Operation& op, int32_t code) {
    for (int32_t listed : op.listed) {
        if (listed == code) {
            return true;
        }
    }
    return false;
}

// One thing a click does to the window: a field write or a message box.
struct Event {
    int controlId;  // 0: a message box
    std::string text;
    std::string caption;  // of a box
    bool operator==(const Event& o) const {
        return controlId == o.controlId && text == o.text && caption == o.caption;
    }
};
using Events = std::vector<Event>;

inline Event Field(int controlId, std::string text) {
    return Event{controlId, std::move(text), ""};
}
inline Event Box(std::string text, std::string caption = kResultCaption) {
    return Event{0, std::move(text), std::move(caption)};
}

inline std::string Describe(const Event& e) {
    return e.controlId == 0 ? "Box(\"" + e.text + "\", \"" + e.caption + "\")"
                            : "Field(" + std::to_string(e.controlId) + ", \"" + e.text + "\")";
}

// The boxes one click with result `code` shows, in order.
inline std::vector<std::string> BoxesFor(const Operation& op, int32_t code) {
    std::vector<std::string> boxes;
    if (Lists(op, code)) {
        boxes.push_back(MessageOf(code));
        if (code == op.success && op.secondBox != nullptr) {
            boxes.push_back(op.secondBox);
        }
    }
    return boxes;
}

// Whether a click with result `code` writes the operation's fields.
inline bool WritesFields(const Operation& op, int32_t code) {
    if (op.fields == Fields::Never) {
        return false;
    }
    return code == op.success || (!Lists(op, code) && op.unlistedWritesFields);
}

// Everything one click with result `code` does to the window, in order,
// where `fields` are the texts the library's outputs must give.
inline Events EventsFor(const Operation& op, int32_t code, const Events& fields) {
    Events events;
    const bool writes = WritesFields(op, code);
    if (writes && op.fields == Fields::BeforeBox) {
        events = fields;
    }
    for (const std::string& box : BoxesFor(op, code)) {
        events.push_back(Box(box));
    }
    if (writes && op.fields == Fields::AfterBox) {
        events.insert(events.end(), fields.begin(), fields.end());
    }
    return events;
}

// The codes a sweep tries on every button: each one any operation lists,
// its neighbours, and the extremes of 32 bits.
inline std::vector<int32_t> SweepCodes() {
    std::vector<int32_t> codes = {INT32_MIN, INT32_MAX, 99, 255, 256};
    for (int32_t code = -2; code <= 60; ++code) {
        codes.push_back(code);
    }
    return codes;
}

}  // namespace expected

#endif
