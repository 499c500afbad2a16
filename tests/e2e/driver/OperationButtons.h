// Every operation button of the main window with its export and one code
// the operation lists, for the cases that walk all of them (before linking,
// with a library that exports only some names).
#ifndef VANTREL_TESTS_E2E_OPERATIONBUTTONS_H
#define VANTREL_TESTS_E2E_OPERATIONBUTTONS_H

namespace e2e {

struct OperationButton {
    int id;
    const char* exportName;
    int listedCode;          // a code the operation shows with a single box...
    const char* listedText;  // ...this text
    const char* serialText;  // typed into field 1026 first, or nullptr
    bool checked;            // false: the operation is not built yet; skip it
};

constexpr OperationButton kOperationButtons[] = {
    {1002, "KZ_ORLOG7_DUMP_DB", 2, "return_dump_db_successful", nullptr, true},
    {1003, "KZ_ORLOG7_ERASE_All_DB", 13, "13 return_erase_db_successful", nullptr, true},
    {1004, "KZ_ORLOG7_SETTING_DEVICE", 14, "14 return_setting_device_successful", nullptr, true},
    {1006, "KZ_ORLOG7_READ_DLL_VERSION", 21, "21 return_read_dll_version__successful", nullptr,
     true},
    {1007, "KZ_ORLOG7_READ_SETTING_VALUE", 22, "22 return_read_setting_interval_successful",
     nullptr, true},
    {1013, "KZ_ORLOG7_INTO_DUMP_MODE", 24, "24 return_into_dump_mode_successful", nullptr, true},
    {1014, "KZ_ORLOG7_EXIT_DUMP_MODE", 25, "25 return_exit_dump_mode_successful", nullptr, true},
    {1015, "KZ_ORLOG7_READ_DEVICE_INFORMATION", 26, "26 return_not_dump_mode", nullptr, true},
    {1018, "KZ_ORLOG7_FW_UPGRADE", 26, "26 return_not_dump_mode", nullptr, true},
    {1019, "KZ_ORLOG7_Read_BinFile_FW_Version", 32, "32 return_can_not_open_bin_file", nullptr,
     true},
    {1022, "KZ_ORLOG7_AUTO_INTO_DUMP_MODE", 4, "4 return_can_not_into_dump_mode", nullptr, true},
    {1024, "KZ_ORLOG7_READ_GPS_UTC_TIME_DATE", 26, "26 return_not_dump_mode", nullptr, true},
    {1027, "KZ_ORLOG7_Setting_SN", 42, "42 return_cannot_modify_SN", "123", true},
    {1039, "KZ_ORLOG7_READ_MEMORY_USED_SIZE", 26, "26 return_not_dump_mode", nullptr, true},
};

}  // namespace e2e

#endif
