// A device library whose every export returns at once: the click-to-box
// measurement times the tool, not a logger. Leaving dump mode answers 25
// ("25 return_exit_dump_mode_successful"); the others answer 0, which no
// operation lists.
#include "devicelib/DeviceLibContract.h"

extern "C" {

Orlog7Result ORLOG7_CALL KZ_ORLOG7_EXIT_DUMP_MODE(void) {
    return 25;
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_DUMP_DB(Orlog7Port, const char*) {
    return 0;
}
Orlog7Result ORLOG7_CALL KZ_ORLOG7_ERASE_All_DB(Orlog7Port) {
    return 0;
}
Orlog7Result ORLOG7_CALL KZ_ORLOG7_INTO_DUMP_MODE(Orlog7Port) {
    return 0;
}
Orlog7Result ORLOG7_CALL KZ_ORLOG7_AUTO_INTO_DUMP_MODE(int32_t*) {
    return 0;
}
Orlog7Result ORLOG7_CALL KZ_ORLOG7_SETTING_DEVICE(Orlog7Port, int32_t, int32_t, uint8_t, uint8_t,
                                                  const char*, uint8_t, const UserPoint*, uint8_t,
                                                  uint8_t, int8_t, uint8_t) {
    return 0;
}
Orlog7Result ORLOG7_CALL KZ_ORLOG7_READ_SETTING_VALUE(Orlog7Port, int32_t*, int32_t*, uint8_t*,
                                                      uint8_t*, uint32_t*, UserPoint*, uint32_t*,
                                                      uint8_t*, int8_t*, uint32_t*) {
    return 0;
}
Orlog7Result ORLOG7_CALL KZ_ORLOG7_READ_DLL_VERSION(char*) {
    return 0;
}
Orlog7Result ORLOG7_CALL KZ_ORLOG7_READ_DEVICE_INFORMATION(Orlog7Port, uint32_t*, char*, char*,
                                                           char*) {
    return 0;
}
Orlog7Result ORLOG7_CALL KZ_ORLOG7_READ_GPS_UTC_TIME_DATE(uint8_t*, uint8_t*, uint8_t*, uint8_t*,
                                                          uint8_t*, uint8_t*) {
    return 0;
}
Orlog7Result ORLOG7_CALL KZ_ORLOG7_READ_MEMORY_USED_SIZE(int32_t*) {
    return 0;
}
Orlog7Result ORLOG7_CALL KZ_ORLOG7_FW_UPGRADE(Orlog7Port, const char*) {
    return 0;
}
Orlog7Result ORLOG7_CALL KZ_ORLOG7_Read_BinFile_FW_Version(char*, const char*) {
    return 0;
}
Orlog7Result ORLOG7_CALL KZ_ORLOG7_Setting_SN(uint32_t) {
    return 0;
}

}  // extern "C"
