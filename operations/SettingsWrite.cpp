// Button 1004: write the fixed settings and user-point table to the logger.
#include "operations/Operations.h"
#include "operations/SettingsValues.h"

namespace vantrel {

void WriteDeviceSettings(const OperationContext& ctx) {
    // Rebuilt on every click: the library gets a table that lives for the
    // call only and must copy what it keeps.
    const DeviceSettings s = WrittenSettings();
    RunOperation<Export::SettingDevice>(ctx, [&](auto settingDevice, uint8_t port) {
        return settingDevice(port, s.timeInterval, s.displacementInterval, s.vibration, s.tag,
                             kWaveFilePath, s.minSpeedLimit, s.userPoints.data(), s.intoIdleTimer,
                             s.tagMode, s.timeZone, s.carSpeedLimit);
    });
}

}  // namespace vantrel
