#include "ResultMessages.h"

#include <iterator>

namespace vantrel {
namespace {

// Every text but the dump's success begins with its code.
const ResultMessage kResultMessages[] = {
    {2, "return_dump_db_successful"},
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

}  // namespace

const char* ResultMessageText(int32_t code) {
    for (const ResultMessage& m : kResultMessages) {
        if (m.code == code) {
            return m.text;
        }
    }
    return nullptr;
}

const ResultMessage* ResultMessagesBegin() {
    return std::begin(kResultMessages);
}
const ResultMessage* ResultMessagesEnd() {
    return std::end(kResultMessages);
}

}  // namespace vantrel
