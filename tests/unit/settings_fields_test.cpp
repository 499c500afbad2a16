#include <gtest/gtest.h>

#include <cstring>

#include "operations/SettingsFields.h"
#include "tests/common/ExpectedSettingsTexts.h"
#include "tests/common/FakeWindow.h"

namespace vantrel {
namespace testing {
namespace {

// A reading with every value in its display range and nothing Disabled.
DeviceSettings PlainReading() {
    DeviceSettings s{};
    s.timeInterval = 5;
    s.displacementInterval = 100;
    s.vibration = 2;
    s.tag = 1;
    s.intoIdleTimer = 5;
    s.timeZone = 8;
    s.carSpeedLimit = 50;
    return s;
}

void ExpectOracleTexts(const DeviceSettings& reading, const std::string& what) {
    EXPECT_EQ(AsEvents(SettingsFieldTexts(reading)),
              expected::ReadbackFields(expected::SettingsAs<expected::Settings>(reading)))
        << what;
}

// Every value of each one-byte setting (Disable, Enable and the vibration
// values that leave its field alone; the ranges of time zone and car speed,
// compared as signed and unsigned bytes), and the four-byte intervals at
// -1 (Disable), around it and at the extremes.
TEST(SettingsFields, SettingsFieldTexts) {
    uint8_t DeviceSettings::*const bytes[] = {
        &DeviceSettings::vibration,     &DeviceSettings::tag,     &DeviceSettings::minSpeedLimit,
        &DeviceSettings::intoIdleTimer, &DeviceSettings::tagMode, &DeviceSettings::carSpeedLimit,
    };
    for (uint8_t DeviceSettings::*setting : bytes) {
        for (int value = 0; value <= 255; ++value) {
            DeviceSettings reading = PlainReading();
            reading.*setting = static_cast<uint8_t>(value);
            ExpectOracleTexts(reading, "byte value " + std::to_string(value));
        }
    }
    for (int value = -128; value <= 127; ++value) {
        DeviceSettings reading = PlainReading();
        reading.timeZone = static_cast<int8_t>(value);
        ExpectOracleTexts(reading, "time zone " + std::to_string(value));
    }
    for (int32_t value : {-1, 0, -2, 1, 255, 3000, 3600, INT32_MIN, INT32_MAX}) {
        DeviceSettings reading = PlainReading();
        reading.timeInterval = value;
        ExpectOracleTexts(reading, "time interval " + std::to_string(value));
        reading = PlainReading();
        reading.displacementInterval = value;
        ExpectOracleTexts(reading, "displacement " + std::to_string(value));
    }
}

void ExpectOracleLine(std::size_t slot, const uint8_t (&bytes)[sizeof(UserPoint)]) {
    UserPoint point;
    std::memcpy(&point, bytes, sizeof point);
    EXPECT_EQ(UserPointLine(slot, point), expected::UserPointLine(static_cast<int>(slot), bytes))
        << "slot " << slot;
}

TEST(SettingsFields, FieldOrderIsSettingsThenUserPoints) {
    std::vector<int> order;
    for (const FieldText& field : SettingsFieldTexts(PlainReading())) {
        order.push_back(field.controlId);
    }
    EXPECT_EQ(order, expected::OperationOf(1007).outputFields);
}

// Every value of every byte of a record, the reserved ones included (never
// shown), over zeros and over 0xFF; then hemispheres and the enabled byte
// together.
TEST(SettingsFields, UserPointLines) {
    for (uint8_t fill : {0x00, 0xFF}) {
        for (std::size_t byte = 0; byte < sizeof(UserPoint); ++byte) {
            for (int value = 0; value <= 255; ++value) {
                uint8_t bytes[sizeof(UserPoint)];
                std::memset(bytes, fill, sizeof bytes);
                bytes[byte] = static_cast<uint8_t>(value);
                ExpectOracleLine(static_cast<std::size_t>(value) % 10, bytes);
            }
        }
    }
    const uint8_t west[] = {1, 7, 0, 0, 0, 1, 0, 0, 0, 5, 0, 0, 0, 1, 0, 0};
    const uint8_t odd[] = {2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 9, 0, 2, 0, 9};
    ExpectOracleLine(0, west);
    ExpectOracleLine(1, odd);
}

// The worked example: the settings the write sends, read back.
TEST(SettingsFields, WrittenSettingsReadAsTheWorkedExample) {
    EXPECT_EQ(AsEvents(SettingsFieldTexts(WrittenSettings())), expected::WrittenSettingsReadback());
}

}  // namespace
}  // namespace testing
}  // namespace vantrel
