// The fourteen exports of the recording fake ORLOG7_DLL.dll. Each logs its
// arguments, writes the outputs its script gives and returns the scripted
// code (see CallRecord.h and FakeScript.h).
#include <windows.h>

#include "CallRecord.h"
#include "devicelib/DeviceLibContract.h"

using fakelib::CallRecord;

// The caller's argument slots, read through the frame pointer so the log
// shows all four bytes of each slot, not just what the declared type keeps
// (a port travels in the low byte; the rest of its slot is undefined). On
// x64 the arguments travel in registers: there is no slot to read, and the
// log marks each one unread.
#if defined(_M_X64) || defined(__x86_64__)
#define FAKE_SLOTS() static_cast<const uint32_t*>(nullptr)
#elif defined(_MSC_VER)
#include <intrin.h>
#define FAKE_SLOTS() \
    reinterpret_cast<const uint32_t*>(static_cast<const char*>(_AddressOfReturnAddress()) + 4)
#else
#define FAKE_SLOTS() \
    reinterpret_cast<const uint32_t*>(static_cast<const char*>(__builtin_frame_address(0)) + 8)
#endif

extern "C" {

Orlog7Result ORLOG7_CALL KZ_ORLOG7_DUMP_DB(Orlog7Port port, const char* dumpFilePath) {
    CallRecord call("KZ_ORLOG7_DUMP_DB", FAKE_SLOTS(), 2);
    call.Number("port", port);
    call.Text("dumpFilePath", dumpFilePath);
    return call.Finish();
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_ERASE_All_DB(Orlog7Port port) {
    CallRecord call("KZ_ORLOG7_ERASE_All_DB", FAKE_SLOTS(), 1);
    call.Number("port", port);
    return call.Finish();
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_INTO_DUMP_MODE(Orlog7Port port) {
    CallRecord call("KZ_ORLOG7_INTO_DUMP_MODE", FAKE_SLOTS(), 1);
    call.Number("port", port);
    return call.Finish();
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_EXIT_DUMP_MODE(void) {
    CallRecord call("KZ_ORLOG7_EXIT_DUMP_MODE", FAKE_SLOTS(), 0);
    return call.Finish();
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_AUTO_INTO_DUMP_MODE(int32_t* scannedPort) {
    CallRecord call("KZ_ORLOG7_AUTO_INTO_DUMP_MODE", FAKE_SLOTS(), 1);
    call.NumberOutput("scannedPort", scannedPort, sizeof *scannedPort);
    return call.Finish();
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_SETTING_DEVICE(
    Orlog7Port port, int32_t timeInterval, int32_t displacementInterval, uint8_t vibration,
    uint8_t tag, const char* waveFilePath, uint8_t minSpeedLimit, const UserPoint* userPoints,
    uint8_t intoIdleTimer, uint8_t tagMode, int8_t timeZone, uint8_t carSpeedLimit) {
    CallRecord call("KZ_ORLOG7_SETTING_DEVICE", FAKE_SLOTS(), 12);
    call.Number("port", port);
    call.Number("timeInterval", timeInterval);
    call.Number("displacementInterval", displacementInterval);
    call.Number("vibration", vibration);
    call.Number("tag", tag);
    call.Text("waveFilePath", waveFilePath);
    call.Number("minSpeedLimit", minSpeedLimit);
    call.Bytes("userPoints", userPoints, sizeof(UserPoint) * ORLOG7_USER_POINT_COUNT);
    call.Number("intoIdleTimer", intoIdleTimer);
    call.Number("tagMode", tagMode);
    call.Number("timeZone", timeZone);
    call.Number("carSpeedLimit", carSpeedLimit);
    return call.Finish();
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_READ_SETTING_VALUE(
    Orlog7Port port, int32_t* timeInterval, int32_t* displacementInterval, uint8_t* vibration,
    uint8_t* tag, uint32_t* minSpeedLimit, UserPoint* userPoints, uint32_t* intoIdleTimer,
    uint8_t* tagMode, int8_t* timeZone, uint32_t* carSpeedLimit) {
    CallRecord call("KZ_ORLOG7_READ_SETTING_VALUE", FAKE_SLOTS(), 11);
    call.Number("port", port);
    call.NumberOutput("timeInterval", timeInterval, 4);
    call.NumberOutput("displacementInterval", displacementInterval, 4);
    call.NumberOutput("vibration", vibration, 1);
    call.NumberOutput("tag", tag, 1);
    call.NumberOutput("minSpeedLimit", minSpeedLimit, 4);
    call.BufferOutput("userPoints", userPoints, sizeof(UserPoint) * ORLOG7_USER_POINT_COUNT);
    call.NumberOutput("intoIdleTimer", intoIdleTimer, 4);
    call.NumberOutput("tagMode", tagMode, 1);
    call.NumberOutput("timeZone", timeZone, 1);
    call.NumberOutput("carSpeedLimit", carSpeedLimit, 4);
    return call.Finish();
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_READ_DLL_VERSION(char* version) {
    CallRecord call("KZ_ORLOG7_READ_DLL_VERSION", FAKE_SLOTS(), 1);
    call.BufferOutput("version", version, ORLOG7_DLL_VERSION_SIZE);
    return call.Finish();
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_READ_DEVICE_INFORMATION(Orlog7Port port, uint32_t* serialNumber,
                                                           char* firmwareVersion,
                                                           char* distributorName, char* modelName) {
    CallRecord call("KZ_ORLOG7_READ_DEVICE_INFORMATION", FAKE_SLOTS(), 5);
    call.Number("port", port);
    call.NumberOutput("serialNumber", serialNumber, 4);
    call.BufferOutput("firmwareVersion", firmwareVersion, ORLOG7_FW_VERSION_SIZE);
    call.BufferOutput("distributorName", distributorName, ORLOG7_DISTRIBUTOR_NAME_SIZE);
    call.BufferOutput("modelName", modelName, ORLOG7_MODEL_NAME_SIZE);
    return call.Finish();
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_READ_GPS_UTC_TIME_DATE(uint8_t* hour, uint8_t* minute,
                                                          uint8_t* second, uint8_t* year,
                                                          uint8_t* month, uint8_t* day) {
    CallRecord call("KZ_ORLOG7_READ_GPS_UTC_TIME_DATE", FAKE_SLOTS(), 6);
    call.NumberOutput("hour", hour, 1);
    call.NumberOutput("minute", minute, 1);
    call.NumberOutput("second", second, 1);
    call.NumberOutput("year", year, 1);
    call.NumberOutput("month", month, 1);
    call.NumberOutput("day", day, 1);
    return call.Finish();
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_READ_MEMORY_USED_SIZE(int32_t* usedSize) {
    CallRecord call("KZ_ORLOG7_READ_MEMORY_USED_SIZE", FAKE_SLOTS(), 1);
    call.NumberOutput("usedSize", usedSize, 4);
    return call.Finish();
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_FW_UPGRADE(Orlog7Port port, const char* imagePath) {
    CallRecord call("KZ_ORLOG7_FW_UPGRADE", FAKE_SLOTS(), 2);
    call.Number("port", port);
    call.Text("imagePath", imagePath);
    return call.Finish();
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_Read_BinFile_FW_Version(char* version, const char* imagePath) {
    CallRecord call("KZ_ORLOG7_Read_BinFile_FW_Version", FAKE_SLOTS(), 2);
    call.Text("imagePath", imagePath);
    call.BufferOutput("version", version, ORLOG7_BIN_FILE_VERSION_SIZE);
    return call.Finish();
}

Orlog7Result ORLOG7_CALL KZ_ORLOG7_Setting_SN(uint32_t serialNumber) {
    CallRecord call("KZ_ORLOG7_Setting_SN", FAKE_SLOTS(), 1);
    call.Number("serialNumber", serialNumber);
    return call.Finish();
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        fakelib::AppendLogLine("attach");
    } else if (reason == DLL_PROCESS_DETACH) {
        // lpReserved is null when FreeLibrary unloads us, non-null at exit.
        fakelib::AppendLogLine(reserved == nullptr ? "detach by=FreeLibrary"
                                                   : "detach by=process-exit");
    }
    return TRUE;
}

}  // extern "C"
