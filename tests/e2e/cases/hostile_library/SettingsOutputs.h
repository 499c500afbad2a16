// KZ_ORLOG7_READ_SETTING_VALUE as a hostile library answers it: ten outputs
// (four of them four-byte storage of which only the lowest-addressed byte
// counts, and the 160-byte user-point table), and the values the tool must
// read from the bytes delivered.
#ifndef VANTREL_TESTS_E2E_HOSTILE_LIBRARY_SETTINGSOUTPUTS_H
#define VANTREL_TESTS_E2E_HOSTILE_LIBRARY_SETTINGSOUTPUTS_H

#include <string>

#include "LibraryOutputs.h"
#include "tests/common/ExpectedSettingsTexts.h"

namespace hostile {

// The raw bytes of each output, in the export's order (empty: not written).
struct SettingsBytes {
    std::string timeInterval, displacementInterval, vibration, tag, minSpeedLimit, userPoints,
        intoIdleTimer, tagMode, timeZone, carSpeedLimit;
};

// The table the settings write sends: slots 0 and 1 set, the rest FF.
inline std::string WrittenTable() {
    const std::vector<uint8_t> table = expected::WrittenSettings().userPoints;
    return std::string(table.begin(), table.end());
}

// Every hemisphere and enabled byte the lines tell apart (0, 1, 2, 255), and
// the numbers at 0, 1, 127, 128 and 255.
inline std::string MixedTable(int salt) {
    const int marks[4] = {0, 1, 2, 255};
    const int numbers[5] = {0, 1, 127, 128, 255};
    std::string table;
    for (int slot = 0; slot < 10; ++slot) {
        for (int i = 0; i < 16; ++i) {
            const bool mark = i == 0 || i == 5 || i == 13;
            table += Byte(mark ? marks[(slot + i + salt) % 4] : numbers[(slot * 3 + i + salt) % 5]);
        }
    }
    return table;
}

constexpr int kSettingsVariants = 8;
inline SettingsBytes SettingsVariant(int variant, int salt) {
    const std::string ff4 = Le32(0xFFFFFFFFu);
    switch (variant) {
    case 1:  // every byte of every output non-zero
        return {Fill(4, salt),     Fill(4, salt + 1), Byte(2),           Fill(1, salt),
                Fill(4, salt + 2), Fill(160, salt),   Fill(4, salt + 3), Fill(1, salt + 1),
                Fill(1, salt + 2), Fill(4, salt + 4)};
    case 2:  // every byte 0xFF, the time interval at the sign bit
        return {Le32(0x80000000u),
                Le32(0x7FFFFFFFu),
                Byte(255),
                Byte(255),
                ff4,
                std::string(160, '\xFF'),
                ff4,
                Byte(255),
                Byte(0x80),
                ff4};
    case 3:  // both intervals Disable; junk above the low byte of zero
        return {ff4,     ff4,     Byte(0),   Byte(0), Le32(0xFFFFFF00u), MixedTable(salt),
                Le32(0), Byte(1), Byte(127), Le32(49)};
    case 4:  // the values the settings write sends, at the edges of their ranges
        return {Le32(0),        Le32(0xFFFFFFFEu), Byte(2), Byte(1),   Le32(0xFFFFFF14u),
                WrittenTable(), Le32(10),          Byte(0), Byte(-12), Le32(50)};
    case 5:  // one byte into the four-byte outputs; the rest keep the preset
        return {Le32(3600),           Le32(3000), Byte(1), Byte(5),  Byte(3),
                MixedTable(salt + 1), Byte(5),    Byte(2), Byte(12), Byte(250)};
    case 6:
        return {Le32(0x7FFFFFFFu),   Le32(0x80000000u), Byte(2), Byte(0),  Byte(255),
                Fill(160, salt + 5), Byte(255),         Byte(0), Byte(13), Byte(251)};
    case 7:
        return {Le32(static_cast<uint32_t>(salt)),
                Le32(~static_cast<uint32_t>(salt) - 1),
                Byte(0),
                Byte(1),
                Byte(0),
                std::string(160, '\0'),
                Byte(0),
                Byte(0),
                Byte(-13),
                Byte(0)};
    default:  // not written at all: the preset zeros
        return {};
    }
}

inline Outputs SettingsOutputs(int variant, int salt) {
    const SettingsBytes raw = SettingsVariant(variant, salt);
    const struct {
        const char* name;
        const std::string* bytes;
    } outputs[] = {
        {"timeInterval", &raw.timeInterval},   {"displacementInterval", &raw.displacementInterval},
        {"vibration", &raw.vibration},         {"tag", &raw.tag},
        {"minSpeedLimit", &raw.minSpeedLimit}, {"userPoints", &raw.userPoints},
        {"intoIdleTimer", &raw.intoIdleTimer}, {"tagMode", &raw.tagMode},
        {"timeZone", &raw.timeZone},           {"carSpeedLimit", &raw.carSpeedLimit},
    };
    Outputs out;
    for (const auto& output : outputs) {
        if (!output.bytes->empty()) {
            out.lines.push_back(Line(output.name, *output.bytes));
        }
    }
    // What the tool holds after the call: what was written over its zeros.
    auto low = [](const std::string& bytes) { return static_cast<uint8_t>(FromLe(bytes) & 0xFF); };
    expected::Settings held;
    held.timeInterval = Signed(FromLe(raw.timeInterval));
    held.displacementInterval = Signed(FromLe(raw.displacementInterval));
    held.vibration = low(raw.vibration);
    held.tag = low(raw.tag);
    held.minSpeedLimit = low(raw.minSpeedLimit);
    std::string table = raw.userPoints;
    table.resize(160, '\0');
    held.userPoints.assign(table.begin(), table.end());
    held.intoIdleTimer = low(raw.intoIdleTimer);
    held.tagMode = low(raw.tagMode);
    held.timeZone = static_cast<int8_t>(low(raw.timeZone));
    held.carSpeedLimit = low(raw.carSpeedLimit);
    out.Show(expected::ReadbackFields(held));
    return out;
}

}  // namespace hostile

#endif
