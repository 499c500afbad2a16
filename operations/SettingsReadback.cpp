// Button 1007: read the logger's settings back and show them in nineteen
// fields.
#include <cstring>

#include "operations/Operations.h"
#include "operations/SettingsFields.h"
#include "operations/SettingsValues.h"

namespace vantrel {
namespace {

// The library may fill one byte of a four-byte output or all four; only the
// lowest-addressed byte is defined.
uint8_t LowestAddressedByte(const uint32_t& storage) {
    uint8_t byte;
    std::memcpy(&byte, &storage, 1);
    return byte;
}

// One local per argument. All are zeroed before the call, not only the user
// points, so a library that reports success but writes nothing shows zeros
// rather than whatever was on the stack.
struct ReadStorage {
    int32_t timeInterval = 0;
    int32_t displacementInterval = 0;
    uint8_t vibration = 0;
    uint8_t tag = 0;
    uint32_t minSpeedLimit = 0;
    UserPointTable userPoints{};
    uint32_t intoIdleTimer = 0;
    uint8_t tagMode = 0;
    int8_t timeZone = 0;
    uint32_t carSpeedLimit = 0;

    DeviceSettings Reading() const {
        DeviceSettings s{};
        s.timeInterval = timeInterval;
        s.displacementInterval = displacementInterval;
        s.vibration = vibration;
        s.tag = tag;
        s.minSpeedLimit = LowestAddressedByte(minSpeedLimit);
        s.userPoints = userPoints;
        s.intoIdleTimer = LowestAddressedByte(intoIdleTimer);
        s.tagMode = tagMode;
        s.timeZone = timeZone;
        s.carSpeedLimit = LowestAddressedByte(carSpeedLimit);
        return s;
    }
};

}  // namespace

void ReadSettingValues(const OperationContext& ctx) {
    ReadStorage r;
    RunOperation<Export::ReadSettingValue>(
        ctx,
        [&](auto readSettings, uint8_t port) {
            return readSettings(port, &r.timeInterval, &r.displacementInterval, &r.vibration,
                                &r.tag, &r.minSpeedLimit, r.userPoints.data(), &r.intoIdleTimer,
                                &r.tagMode, &r.timeZone, &r.carSpeedLimit);
        },
        [&] { return SettingsFieldTexts(r.Reading()); });
}

}  // namespace vantrel
