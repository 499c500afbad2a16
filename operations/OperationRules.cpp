#include "operations/OperationRules.h"

#include "devicelib/ResultCodes.h"
#include "operations/ResultMessages.h"

namespace vantrel {
namespace {

using namespace code;
constexpr const char* kNone = nullptr;

// In the order of the Export enumerators, one row each.
constexpr OperationRule kOperationRules[] = {
    {Export::DumpDb, TakesPort::Yes,
     /*failures*/
     {kNotDumpMode, kPcNotEnoughMemory, kCannotBuildDumpFile, kCannotBuildStorDbFile,
      kCannotBuildOutputFile, kCannotOpenDumpFile, kCannotOpenStorDbFile, kCannotOpenOutputFile,
      kDeviceNotReport},
     /*success*/ kDumpSuccessful, Fields::Never, Unlisted::Silent, kNone},
    {Export::EraseAllDb, TakesPort::Yes,
     /*failures*/ {kNotDumpMode, kDeviceNotReport},
     /*success*/ kEraseSuccessful, Fields::Never, Unlisted::Silent, kNone},
    {Export::SettingDevice, TakesPort::Yes,
     /*failures*/
     {kSettingValueError, kTimeIntervalOver3600, kDisplacementOver3000, kMinSpeedOver20Knot,
      kErrorWaveFilePath, kPcNotEnoughMemory, kUncompletedWaveFiles, kWaveFileOver128K,
      kNotDumpMode, kDeviceNotReport, kSettingFail, kUserPointDataError, kIdleTimerOutOfRange,
      kTagModeError, kTimeZoneError, kCarSpeedLimitError},
     /*success*/ kSettingSuccessful, Fields::Never, Unlisted::Silent, kNone},
    {Export::ReadDllVersion, TakesPort::No,
     /*failures*/ {},
     /*success*/ kReadDllVersionSuccessful, Fields::AfterBox, Unlisted::Silent, kNone},
    {Export::ReadSettingValue, TakesPort::Yes,
     /*failures*/ {kNotDumpMode, kDeviceNotReport},
     /*success*/ kReadSettingSuccessful, Fields::AfterBox, Unlisted::Silent, kNone},
    {Export::IntoDumpMode, TakesPort::Yes,
     /*failures*/ {kOpenComPortError, kCannotIntoDumpMode},
     /*success*/ kIntoDumpModeSuccessful, Fields::Never, Unlisted::Silent, kNone},
    {Export::ExitDumpMode, TakesPort::No,
     /*failures*/ {},
     /*success*/ kExitDumpModeSuccessful, Fields::Never, Unlisted::Silent, kNone},
    {Export::ReadDeviceInformation, TakesPort::Yes,
     /*failures*/ {kNotDumpMode, kNullDeviceInfo, kCannotReadDeviceInfo},
     /*success*/ kReadDeviceInfoSuccessful, Fields::BeforeBox, Unlisted::WritesFields, kNone},
    {Export::FwUpgrade, TakesPort::Yes,
     /*failures*/
     {kPcNotEnoughMemory, kNotDumpMode, kErrorBinFilePath, kCannotOpenBinFile, kBinFileSizeError,
      kNotCorrectBinFile, kBinFileChecksumError},
     /*success*/ kUpgradeSuccessful, Fields::Never, Unlisted::Silent, kUpgradeFinished},
    {Export::ReadBinFileFwVersion, TakesPort::No,
     /*failures*/
     {kPcNotEnoughMemory, kErrorBinFilePath, kCannotOpenBinFile, kBinFileSizeError,
      kNotCorrectBinFile, kBinFileChecksumError},
     /*success*/ kReadBinFileVersionSuccessful, Fields::BeforeBox, Unlisted::Silent, kNone},
    // The field is the port found; a scan that reports port 0 has no field.
    {Export::AutoIntoDumpMode, TakesPort::No,
     /*failures*/ {kOpenComPortError, kCannotIntoDumpMode},
     /*success*/ kIntoDumpModeSuccessful, Fields::AfterBox, Unlisted::WritesFields, kNone},
    {Export::ReadGpsUtcTimeDate, TakesPort::No,
     /*failures*/ {kNotDumpMode, kGpsTimeInvalid},
     /*success*/ kGpsTimeSuccessful, Fields::AfterBox, Unlisted::WritesFields, kNone},
    {Export::SettingSn, TakesPort::No,
     /*failures*/
     {kCannotModifySerialNumber, kNullDeviceInfo, kCannotReadDeviceInfo, kDeviceNotReport,
      kSerialNumberOver},
     /*success*/ kSerialNumberSet, Fields::Never, Unlisted::Silent, kNone},
    {Export::ReadMemoryUsedSize, TakesPort::No,
     /*failures*/ {kNotDumpMode, kDeviceNotReport},
     /*success*/ kReadMemoryUsedSuccessful, Fields::AfterBox, Unlisted::WritesFields, kNone},
};

constexpr bool OneRowPerExportInOrder() {
    std::size_t row = 0;
    for (const OperationRule& rule : kOperationRules) {
        if (static_cast<std::size_t>(rule.entry) != row++) {
            return false;
        }
    }
    return row == kExportCount;
}
static_assert(OneRowPerExportInOrder(), "one rule row per export, in the order of Export");

}  // namespace

bool CodeList::Contains(int32_t code) const {
    for (int32_t listed : *this) {
        if (listed == code) {
            return true;
        }
    }
    return false;
}

const OperationRule& RuleOf(Export entry) {
    return kOperationRules[static_cast<std::size_t>(entry)];
}

}  // namespace vantrel
