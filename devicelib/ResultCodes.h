// The result codes of the device library, by name. Every export answers with
// one of these (or, from a faulty library, any other 32-bit value): the tool
// compares against these names, and the emulator answers with them.
#ifndef VANTREL_DEVICELIB_RESULTCODES_H
#define VANTREL_DEVICELIB_RESULTCODES_H

#include <cstdint>

namespace vantrel {
namespace code {

constexpr int32_t kDumpSuccessful = 2;
constexpr int32_t kOpenComPortError = 3;
constexpr int32_t kCannotIntoDumpMode = 4;
constexpr int32_t kPcNotEnoughMemory = 5;
constexpr int32_t kCannotBuildDumpFile = 6;
constexpr int32_t kCannotBuildStorDbFile = 7;
constexpr int32_t kCannotBuildOutputFile = 8;
constexpr int32_t kCannotOpenDumpFile = 9;
constexpr int32_t kCannotOpenStorDbFile = 10;
constexpr int32_t kCannotOpenOutputFile = 11;
constexpr int32_t kDeviceNotReport = 12;
constexpr int32_t kEraseSuccessful = 13;
constexpr int32_t kSettingSuccessful = 14;
constexpr int32_t kSettingValueError = 15;
constexpr int32_t kUncompletedWaveFiles = 16;
constexpr int32_t kWaveFileOver128K = 17;
constexpr int32_t kSettingFail = 18;
constexpr int32_t kTimeIntervalOver3600 = 19;
constexpr int32_t kDisplacementOver3000 = 20;
constexpr int32_t kReadDllVersionSuccessful = 21;
constexpr int32_t kReadSettingSuccessful = 22;
constexpr int32_t kErrorWaveFilePath = 23;
constexpr int32_t kIntoDumpModeSuccessful = 24;
constexpr int32_t kExitDumpModeSuccessful = 25;
constexpr int32_t kNotDumpMode = 26;
constexpr int32_t kNullDeviceInfo = 27;
constexpr int32_t kCannotReadDeviceInfo = 28;
constexpr int32_t kReadDeviceInfoSuccessful = 29;
constexpr int32_t kMinSpeedOver20Knot = 30;
constexpr int32_t kErrorBinFilePath = 31;
constexpr int32_t kCannotOpenBinFile = 32;
constexpr int32_t kBinFileSizeError = 33;
constexpr int32_t kNotCorrectBinFile = 34;
constexpr int32_t kUpgradeSuccessful = 35;
constexpr int32_t kBinFileChecksumError = 36;
constexpr int32_t kReadBinFileVersionSuccessful = 37;
constexpr int32_t kGpsTimeInvalid = 38;
constexpr int32_t kGpsTimeSuccessful = 39;
constexpr int32_t kSerialNumberOver = 40;
constexpr int32_t kSerialNumberSet = 41;
constexpr int32_t kCannotModifySerialNumber = 42;
constexpr int32_t kUserPointDataError = 43;
constexpr int32_t kIdleTimerOutOfRange = 44;
constexpr int32_t kReadMemoryUsedSuccessful = 45;
constexpr int32_t kTagModeError = 46;
constexpr int32_t kTimeZoneError = 47;
constexpr int32_t kCarSpeedLimitError = 48;

}  // namespace code
}  // namespace vantrel

#endif
