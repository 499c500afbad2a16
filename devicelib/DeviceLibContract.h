// The boundary to the logger's device library, ORLOG7_DLL.dll.
//
// This header is the one description of the fourteen exports: the tool takes
// its function-pointer types from these declarations (decltype), and every
// library built in this tree (the emulator, the tests' recording fake)
// defines them. Keep the argument lists exactly as they are: the library
// reads its arguments from fixed 4-byte stack slots.
//
// Rules of the contract:
// - 32-bit x86 standard call, undecorated export names (a .def file maps them).
// - Every export returns a signed 32-bit result code.
// - A port index (0..99, 0 is the blank entry) travels in the low byte of its
//   slot; the library reads only that byte.
// - Texts are zero-terminated 8-bit strings in the system code page.
// - Outputs point to caller-owned memory valid for the call only; the library
//   writes no more than the sizes named below.
#ifndef VANTREL_DEVICELIB_DEVICELIBCONTRACT_H
#define VANTREL_DEVICELIB_DEVICELIBCONTRACT_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32) && (defined(_M_IX86) || defined(__i386__))
#define ORLOG7_CALL __stdcall
#else
#define ORLOG7_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t Orlog7Result;
typedef uint8_t Orlog7Port;

/* One user point of the settings table: 16 bytes, byte-packed. */
#pragma pack(push, 1)
typedef struct UserPoint {
    uint8_t lonHemisphere; /* 0 = east, 1 = west */
    uint8_t lonDegrees;
    uint8_t lonMinutes;
    uint8_t lonSeconds;
    uint8_t lonSecondsFraction; /* digits after the point of the seconds */
    uint8_t latHemisphere;      /* 0 = north, 1 = south */
    uint8_t latDegrees;
    uint8_t latMinutes;
    uint8_t latSeconds;
    uint8_t latSecondsFraction;
    uint8_t distance100m; /* units of 100 metres */
    uint8_t reserved1[2];
    uint8_t enabled; /* 1 = Enable, anything else = Disable */
    uint8_t reserved2[2];
} UserPoint;
#pragma pack(pop)

#define ORLOG7_USER_POINT_COUNT 10
#define ORLOG7_DLL_VERSION_SIZE 20
#define ORLOG7_FW_VERSION_SIZE 8
#define ORLOG7_DISTRIBUTOR_NAME_SIZE 32
#define ORLOG7_MODEL_NAME_SIZE 32
#define ORLOG7_BIN_FILE_VERSION_SIZE 64
#define ORLOG7_LOG_MEMORY_CAPACITY 3997696 /* 0x3D0000 bytes */

/* Dump mode and log data. */
Orlog7Result ORLOG7_CALL KZ_ORLOG7_DUMP_DB(Orlog7Port port, const char* dumpFilePath);
Orlog7Result ORLOG7_CALL KZ_ORLOG7_ERASE_All_DB(Orlog7Port port);
Orlog7Result ORLOG7_CALL KZ_ORLOG7_INTO_DUMP_MODE(Orlog7Port port);
Orlog7Result ORLOG7_CALL KZ_ORLOG7_EXIT_DUMP_MODE(void);
/* Writes the port number the logger was found on (1..99). */
Orlog7Result ORLOG7_CALL KZ_ORLOG7_AUTO_INTO_DUMP_MODE(int32_t* scannedPort);

/* Settings. The user-point table is ORLOG7_USER_POINT_COUNT records. */
Orlog7Result ORLOG7_CALL KZ_ORLOG7_SETTING_DEVICE(
    Orlog7Port port, int32_t timeInterval, int32_t displacementInterval, uint8_t vibration,
    uint8_t tag, const char* waveFilePath, uint8_t minSpeedLimit, const UserPoint* userPoints,
    uint8_t intoIdleTimer, uint8_t tagMode, int8_t timeZone, uint8_t carSpeedLimit);
/* The uint32_t outputs are 4-byte storage of which the caller reads only the
   lowest-addressed byte; the library may write one byte or all four. */
Orlog7Result ORLOG7_CALL KZ_ORLOG7_READ_SETTING_VALUE(
    Orlog7Port port, int32_t* timeInterval, int32_t* displacementInterval, uint8_t* vibration,
    uint8_t* tag, uint32_t* minSpeedLimit, UserPoint* userPoints, uint32_t* intoIdleTimer,
    uint8_t* tagMode, int8_t* timeZone, uint32_t* carSpeedLimit);

/* Status readouts. */
Orlog7Result ORLOG7_CALL KZ_ORLOG7_READ_DLL_VERSION(char* version /* 20 bytes */);
Orlog7Result ORLOG7_CALL KZ_ORLOG7_READ_DEVICE_INFORMATION(Orlog7Port port, uint32_t* serialNumber,
                                                           char* firmwareVersion /* 8 bytes */,
                                                           char* distributorName /* 32 bytes */,
                                                           char* modelName /* 32 bytes */);
Orlog7Result ORLOG7_CALL KZ_ORLOG7_READ_GPS_UTC_TIME_DATE(uint8_t* hour, uint8_t* minute,
                                                          uint8_t* second, uint8_t* year,
                                                          uint8_t* month, uint8_t* day);
Orlog7Result ORLOG7_CALL KZ_ORLOG7_READ_MEMORY_USED_SIZE(int32_t* usedSize);

/* Firmware image. */
Orlog7Result ORLOG7_CALL KZ_ORLOG7_FW_UPGRADE(Orlog7Port port, const char* imagePath);
Orlog7Result ORLOG7_CALL KZ_ORLOG7_Read_BinFile_FW_Version(char* version /* 64 bytes */,
                                                           const char* imagePath);

/* Serial number. */
Orlog7Result ORLOG7_CALL KZ_ORLOG7_Setting_SN(uint32_t serialNumber);

#ifdef __cplusplus
}

static_assert(sizeof(UserPoint) == 16, "UserPoint is a 16-byte record");
static_assert(offsetof(UserPoint, lonHemisphere) == 0, "UserPoint layout");
static_assert(offsetof(UserPoint, lonSecondsFraction) == 4, "UserPoint layout");
static_assert(offsetof(UserPoint, latHemisphere) == 5, "UserPoint layout");
static_assert(offsetof(UserPoint, latSecondsFraction) == 9, "UserPoint layout");
static_assert(offsetof(UserPoint, distance100m) == 10, "UserPoint layout");
static_assert(offsetof(UserPoint, reserved1) == 11, "UserPoint layout");
static_assert(offsetof(UserPoint, enabled) == 13, "UserPoint layout");
static_assert(offsetof(UserPoint, reserved2) == 14, "UserPoint layout");
#endif

#endif
