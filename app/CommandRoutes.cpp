#include "app/CommandRoutes.h"

#include <iterator>

#include "res/resource.h"

namespace vantrel {
namespace {

// Exit (IDCANCEL) is not here: it is the dialog's cancel step.
const CommandRoute kCommandRoutes[] = {
    {IDC_LINK_LIBRARY, &LinkDeviceLibrary},
    {IDC_DUMP_LOG, &DumpLogData},
    {IDC_ERASE_ALL, &EraseAllData},
    {IDC_SETTING_DEVICE, &WriteDeviceSettings},
    {IDC_READ_DLL_VERSION, &ReadDllVersion},
    {IDC_READ_SETTING_VALUE, &ReadSettingValues},
    {IDC_INTO_DUMP_MODE, &IntoDumpMode},
    {IDC_EXIT_DUMP_MODE, &ExitDumpMode},
    {IDC_READ_DEVICE_INFORMATION, &ReadDeviceInformation},
    {IDC_UPGRADE_FIRMWARE, &UpgradeFirmware},
    {IDC_READ_BIN_FILE_VERSION, &ReadBinFileFirmwareVersion},
    {IDC_AUTO_INTO_DUMP_MODE, &AutoIntoDumpMode},
    {IDC_READ_GPS_TIME, &ReadGpsUtcTime},
    {IDC_SETTING_SN, &SetSerialNumber},
    {IDC_READ_MEMORY_USED, &ReadMemoryUsedSize},
};

}  // namespace

const CommandRoute* FindCommandRoute(int controlId) {
    for (const CommandRoute& route : kCommandRoutes) {
        if (route.controlId == controlId) {
            return &route;
        }
    }
    return nullptr;
}

const CommandRoute* CommandRoutesBegin() {
    return std::begin(kCommandRoutes);
}
const CommandRoute* CommandRoutesEnd() {
    return std::end(kCommandRoutes);
}

}  // namespace vantrel
