// Button 1004: write the fixed settings and user-point table to the logger.
#include "Operations.h"
#include "SettingsValues.h"

namespace vantrel {
namespace {

// Compared in this order; 14 is the success code.
constexpr int32_t kSettingDeviceCodes[] = {15, 19, 20, 30, 23, 5,  16, 17, 26,
                                           12, 18, 43, 44, 46, 47, 48, 14};

}  // namespace

void WriteDeviceSettings(const OperationContext& ctx) {
    auto settingDevice = RequireEntryPoint<Export::SettingDevice>(ctx);
    if (settingDevice == nullptr) {
        return;
    }
    // Rebuilt on every click: the library gets a table that lives for the
    // call only and must copy what it keeps.
    const DeviceSettings s = WrittenSettings();
    const uint8_t port = ReadPortIndex(ctx.window);
    const int32_t result = CallLibrary(ctx.window, [&] {
        return settingDevice(port, s.timeInterval, s.displacementInterval, s.vibration, s.tag,
                             kWaveFilePath, s.minSpeedLimit, s.userPoints.data(), s.intoIdleTimer,
                             s.tagMode, s.timeZone, s.carSpeedLimit);
    });
    ShowListedResult(ctx.window, kSettingDeviceCodes, result);
}

}  // namespace vantrel
