// How each operation reports its library call: one row per export, applied by
// Report (OperationSteps.h). The table is read at compile time, so a handler
// whose call disagrees with its row's port column does not compile.
#ifndef VANTREL_OPERATIONS_OPERATIONRULES_H
#define VANTREL_OPERATIONS_OPERATIONRULES_H

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "devicelib/EntryPoints.h"
#include "devicelib/ResultCodes.h"
#include "operations/ResultMessages.h"

namespace vantrel {

// Result codes in the order they are compared.
class CodeList {
public:
    static constexpr std::size_t kCapacity = 16;

    constexpr CodeList() = default;
    // More than kCapacity codes is not a constant: the table stops compiling.
    // NOLINTNEXTLINE(google-explicit-constructor): rows list codes in braces
    constexpr CodeList(std::initializer_list<int32_t> codes) {
        for (int32_t code : codes) {
            codes_[count_++] = code;
        }
    }

    constexpr const int32_t* begin() const { return codes_; }
    constexpr const int32_t* end() const { return codes_ + count_; }
    constexpr bool Contains(int32_t code) const {
        for (int32_t listed : *this) {
            if (listed == code) {
                return true;
            }
        }
        return false;
    }

private:
    int32_t codes_[kCapacity] = {};
    std::size_t count_ = 0;
};

enum class TakesPort { No, Yes };

// When the success code writes the operation's fields.
enum class Fields {
    Never,      // the operation has none
    BeforeBox,  // the success box opens over the new fields
    AfterBox,   // the fields change once the success box is closed
};

// What a code the row does not list does: never a box, perhaps the fields.
enum class Unlisted { Silent, WritesFields };

struct OperationRule {
    Export entry;
    TakesPort port;     // the port selector's index is the first argument
    CodeList failures;  // each shows its message and nothing else
    int32_t success;    // shows its message, and writes the fields as `fields` says
    Fields fields;
    Unlisted unlisted;
    const char* secondBox;  // shown after the success box, or null
};

namespace rules {
using namespace code;
constexpr const char* kNone = nullptr;

// One row per export, in the order of the Export enumerators:
// {export, takes the port, failures in comparison order, success,
//  when the success writes the fields, what an unlisted code does, second box}
// clang-format off
inline constexpr OperationRule kOperationRules[] = {
    {Export::DumpDb, TakesPort::Yes,
     {kNotDumpMode, kPcNotEnoughMemory, kCannotBuildDumpFile, kCannotBuildStorDbFile,
      kCannotBuildOutputFile, kCannotOpenDumpFile, kCannotOpenStorDbFile, kCannotOpenOutputFile,
      kDeviceNotReport},
     kDumpSuccessful, Fields::Never, Unlisted::Silent, kNone},
    {Export::EraseAllDb, TakesPort::Yes,
     {kNotDumpMode, kDeviceNotReport},
     kEraseSuccessful, Fields::Never, Unlisted::Silent, kNone},
    {Export::SettingDevice, TakesPort::Yes,
     {kSettingValueError, kTimeIntervalOver3600, kDisplacementOver3000, kMinSpeedOver20Knot,
      kErrorWaveFilePath, kPcNotEnoughMemory, kUncompletedWaveFiles, kWaveFileOver128K,
      kNotDumpMode, kDeviceNotReport, kSettingFail, kUserPointDataError, kIdleTimerOutOfRange,
      kTagModeError, kTimeZoneError, kCarSpeedLimitError},
     kSettingSuccessful, Fields::Never, Unlisted::Silent, kNone},
    {Export::ReadDllVersion, TakesPort::No,
     {},
     kReadDllVersionSuccessful, Fields::AfterBox, Unlisted::Silent, kNone},
    {Export::ReadSettingValue, TakesPort::Yes,
     {kNotDumpMode, kDeviceNotReport},
     kReadSettingSuccessful, Fields::AfterBox, Unlisted::Silent, kNone},
    {Export::IntoDumpMode, TakesPort::Yes,
     {kOpenComPortError, kCannotIntoDumpMode},
     kIntoDumpModeSuccessful, Fields::Never, Unlisted::Silent, kNone},
    {Export::ExitDumpMode, TakesPort::No,
     {},
     kExitDumpModeSuccessful, Fields::Never, Unlisted::Silent, kNone},
    {Export::ReadDeviceInformation, TakesPort::Yes,
     {kNotDumpMode, kNullDeviceInfo, kCannotReadDeviceInfo},
     kReadDeviceInfoSuccessful, Fields::BeforeBox, Unlisted::WritesFields, kNone},
    {Export::FwUpgrade, TakesPort::Yes,
     {kPcNotEnoughMemory, kNotDumpMode, kErrorBinFilePath, kCannotOpenBinFile, kBinFileSizeError,
      kNotCorrectBinFile, kBinFileChecksumError},
     kUpgradeSuccessful, Fields::Never, Unlisted::Silent, kUpgradeFinished},
    {Export::ReadBinFileFwVersion, TakesPort::No,
     {kPcNotEnoughMemory, kErrorBinFilePath, kCannotOpenBinFile, kBinFileSizeError,
      kNotCorrectBinFile, kBinFileChecksumError},
     kReadBinFileVersionSuccessful, Fields::BeforeBox, Unlisted::Silent, kNone},
    // Its field is the port found; the handler leaves it out for port 0.
    {Export::AutoIntoDumpMode, TakesPort::No,
     {kOpenComPortError, kCannotIntoDumpMode},
     kIntoDumpModeSuccessful, Fields::AfterBox, Unlisted::WritesFields, kNone},
    {Export::ReadGpsUtcTimeDate, TakesPort::No,
     {kNotDumpMode, kGpsTimeInvalid},
     kGpsTimeSuccessful, Fields::AfterBox, Unlisted::WritesFields, kNone},
    // The handler checks the typed text before this row applies.
    {Export::SettingSn, TakesPort::No,
     {kCannotModifySerialNumber, kNullDeviceInfo, kCannotReadDeviceInfo, kDeviceNotReport,
      kSerialNumberOver},
     kSerialNumberSet, Fields::Never, Unlisted::Silent, kNone},
    {Export::ReadMemoryUsedSize, TakesPort::No,
     {kNotDumpMode, kDeviceNotReport},
     kReadMemoryUsedSuccessful, Fields::AfterBox, Unlisted::WritesFields, kNone},
};
// clang-format on

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

}  // namespace rules

constexpr const OperationRule& RuleOf(Export entry) {
    return rules::kOperationRules[static_cast<std::size_t>(entry)];
}

}  // namespace vantrel

#endif
