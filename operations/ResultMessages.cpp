#include "operations/ResultMessages.h"

#include <iterator>

#include "devicelib/ResultCodes.h"

namespace vantrel {
namespace {

using namespace code;

// Every text but the dump's success begins with its code.
const ResultMessage kResultMessages[] = {
    {kDumpSuccessful, "return_dump_db_successful"},
    {kOpenComPortError, "3 return_open_com_port_Error"},
    {kCannotIntoDumpMode, "4 return_can_not_into_dump_mode"},
    {kPcNotEnoughMemory, "5 return_pc_not_enough_memory"},
    {kCannotBuildDumpFile, "6 return_can_not_build_dump_file"},
    {kCannotBuildStorDbFile, "7 return_can_not_build_StorDB_file"},
    {kCannotBuildOutputFile, "8 return_can_not_build_output_file"},
    {kCannotOpenDumpFile, "9 return_can_not_open_dump_file"},
    {kCannotOpenStorDbFile, "10 return_can_not_open_storDB_file"},
    {kCannotOpenOutputFile, "11 return_can_not_open_output_file"},
    {kDeviceNotReport, "12 return_device_not_report"},
    {kEraseSuccessful, "13 return_erase_db_successful"},
    {kSettingSuccessful, "14 return_setting_device_successful"},
    {kSettingValueError, "15 return_setting_value_error"},
    {kUncompletedWaveFiles, "16 return_uncompleted_wave_files"},
    {kWaveFileOver128K, "17 return_file_size_over_128K_bytes"},
    {kSettingFail, "18 return_setting_fail"},
    {kTimeIntervalOver3600, "19 return_timeInterval_over_3600second_error"},
    {kDisplacementOver3000, "20 return_displacementinterval_over_3000meter_error"},
    {kReadDllVersionSuccessful, "21 return_read_dll_version__successful"},
    {kReadSettingSuccessful, "22 return_read_setting_interval_successful"},
    {kErrorWaveFilePath, "23 return_error_wave_file_path"},
    {kIntoDumpModeSuccessful, "24 return_into_dump_mode_successful"},
    {kExitDumpModeSuccessful, "25 return_exit_dump_mode_successful"},
    {kNotDumpMode, "26 return_not_dump_mode"},
    {kNullDeviceInfo, "27 return_read_null_device_info"},
    {kCannotReadDeviceInfo, "28 return_can_not_read_device_info"},
    {kReadDeviceInfoSuccessful, "29 return_read_device_info_successful"},
    {kMinSpeedOver20Knot, "30 return_log_min_speed_over_20_knot_error"},
    {kErrorBinFilePath, "31 return_error_bin_file_path"},
    {kCannotOpenBinFile, "32 return_can_not_open_bin_file"},
    {kBinFileSizeError, "33 return_bin_file_size_error"},
    {kNotCorrectBinFile, "34 return_not_correct_bin_file"},
    {kUpgradeSuccessful, "35 return_upgrade_firmware_successful"},
    {kBinFileChecksumError, "36 return_bin_file_checksum_error"},
    {kReadBinFileVersionSuccessful, "37 return_read_binfile_FW_version_successful"},
    {kGpsTimeInvalid, "38 return_read_gps_utc_time_invalid"},
    {kGpsTimeSuccessful, "39 return_read_gps_utc_time_successful"},
    {kSerialNumberOver, "40 return_SN_value_is_Over"},
    {kSerialNumberSet, "41 return_setting_SN_successful"},
    {kCannotModifySerialNumber, "42 return_cannot_modify_SN"},
    {kUserPointDataError, "43 return_user_point_data_errer"},
    {kIdleTimerOutOfRange, "44 return_Into_Idle_Timer_over_rang_error"},
    {kReadMemoryUsedSuccessful, "45 return_read_memory_used_size_successful"},
    {kTagModeError, "46 return_tag_mode_error"},
    {kTimeZoneError, "47 return_time_zone_error"},
    {kCarSpeedLimitError, "48 return_car_speed_limit_error"},
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
