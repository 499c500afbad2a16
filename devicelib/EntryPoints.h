// The fourteen entry points of the device library: their names in lookup
// order, their function-pointer types, and the table the loader fills.
#ifndef VANTREL_DEVICELIB_ENTRYPOINTS_H
#define VANTREL_DEVICELIB_ENTRYPOINTS_H

#include <array>
#include <cstddef>

#include "devicelib/DeviceLibContract.h"

namespace vantrel {

// X(enumerator, export). The order is the order of lookup when linking.
#define VANTREL_DEVICE_EXPORTS(X)                               \
    X(DumpDb, KZ_ORLOG7_DUMP_DB)                                \
    X(EraseAllDb, KZ_ORLOG7_ERASE_All_DB)                       \
    X(SettingDevice, KZ_ORLOG7_SETTING_DEVICE)                  \
    X(ReadDllVersion, KZ_ORLOG7_READ_DLL_VERSION)               \
    X(ReadSettingValue, KZ_ORLOG7_READ_SETTING_VALUE)           \
    X(IntoDumpMode, KZ_ORLOG7_INTO_DUMP_MODE)                   \
    X(ExitDumpMode, KZ_ORLOG7_EXIT_DUMP_MODE)                   \
    X(ReadDeviceInformation, KZ_ORLOG7_READ_DEVICE_INFORMATION) \
    X(FwUpgrade, KZ_ORLOG7_FW_UPGRADE)                          \
    X(ReadBinFileFwVersion, KZ_ORLOG7_Read_BinFile_FW_Version)  \
    X(AutoIntoDumpMode, KZ_ORLOG7_AUTO_INTO_DUMP_MODE)          \
    X(ReadGpsUtcTimeDate, KZ_ORLOG7_READ_GPS_UTC_TIME_DATE)     \
    X(SettingSn, KZ_ORLOG7_Setting_SN)                          \
    X(ReadMemoryUsedSize, KZ_ORLOG7_READ_MEMORY_USED_SIZE)

enum class Export : std::size_t {
#define VANTREL_ENUMERATOR(name, symbol) name,
    VANTREL_DEVICE_EXPORTS(VANTREL_ENUMERATOR)
#undef VANTREL_ENUMERATOR
};

#define VANTREL_ONE(name, symbol) +1
constexpr std::size_t kExportCount = 0 VANTREL_DEVICE_EXPORTS(VANTREL_ONE);
#undef VANTREL_ONE

// Export names, indexed by Export.
extern const std::array<const char*, kExportCount> kExportNames;

// The function-pointer type of each export, taken from the contract header.
template <Export E>
struct ExportTraits;
#define VANTREL_TRAITS(name, symbol)        \
    template <>                             \
    struct ExportTraits<Export::name> {     \
        using Function = decltype(&symbol); \
    };
VANTREL_DEVICE_EXPORTS(VANTREL_TRAITS)
#undef VANTREL_TRAITS

// A slot holds any function address; Get<E>() gives it back with its type.
using AnyFunction = void (*)();

class EntryPointTable {
public:
    AnyFunction Slot(Export e) const { return slots_[static_cast<std::size_t>(e)]; }
    void SetSlot(Export e, AnyFunction f) { slots_[static_cast<std::size_t>(e)] = f; }

    template <Export E>
    typename ExportTraits<E>::Function Get() const {
        return reinterpret_cast<typename ExportTraits<E>::Function>(Slot(E));
    }
    template <Export E>
    void Set(typename ExportTraits<E>::Function f) {
        SetSlot(E, reinterpret_cast<AnyFunction>(f));
    }

private:
    std::array<AnyFunction, kExportCount> slots_{};
};

}  // namespace vantrel

#endif
