#include "operations/SettingsValues.h"

#include <cstring>

namespace vantrel {
namespace {

// The two user points the write sets, byte 0 first. Bytes 11-12 and 14-15
// are reserved and sent as FF.
constexpr uint8_t kUserPoint0[16] = {0x00, 0x79, 0x26, 0x2E, 0x05, 0x00, 0x19, 0x03,
                                     0x26, 0x23, 0x01, 0xFF, 0xFF, 0x01, 0xFF, 0xFF};
constexpr uint8_t kUserPoint1[16] = {0x00, 0x79, 0x1E, 0x36, 0x56, 0x00, 0x19, 0x01,
                                     0x06, 0x14, 0x02, 0xFF, 0xFF, 0x01, 0xFF, 0xFF};
static_assert(sizeof(kUserPoint0) == sizeof(UserPoint), "one record per slot");
static_assert(sizeof(kUserPoint1) == sizeof(UserPoint), "one record per slot");

// Slots 0 and 1 as listed; every other slot FF throughout.
UserPointTable WrittenUserPoints() {
    UserPointTable table;
    std::memset(table.data(), 0xFF, sizeof(table));
    std::memcpy(&table[0], kUserPoint0, sizeof(UserPoint));
    std::memcpy(&table[1], kUserPoint1, sizeof(UserPoint));
    return table;
}

}  // namespace

DeviceSettings WrittenSettings() {
    DeviceSettings settings{};
    settings.timeInterval = 1;
    settings.displacementInterval = kSettingDisabled;
    settings.vibration = 2;
    settings.tag = 1;
    settings.minSpeedLimit = 0;
    settings.userPoints = WrittenUserPoints();
    settings.intoIdleTimer = 10;
    settings.tagMode = 0;
    settings.timeZone = 8;
    settings.carSpeedLimit = 50;
    return settings;
}

}  // namespace vantrel
