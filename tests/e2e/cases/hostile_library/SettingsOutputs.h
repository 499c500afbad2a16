// KZ_ORLOG7_READ_SETTING_VALUE as a hostile library answers it: ten outputs
// (four of them four-byte storage of which only the lowest-addressed byte
// counts, and the 160-byte user-point table), and the nineteen field texts
// the tool must show for them, worked out here from the bytes delivered.
#ifndef VANTREL_TESTS_E2E_HOSTILE_LIBRARY_SETTINGSOUTPUTS_H
#define VANTREL_TESTS_E2E_HOSTILE_LIBRARY_SETTINGSOUTPUTS_H

#include <string>

#include "LibraryOutputs.h"

namespace hostile {

// The raw bytes of each output, in the export's order (empty: not written).
struct SettingsBytes {
    std::string timeInterval, displacementInterval, vibration, tag, minSpeedLimit, userPoints,
        intoIdleTimer, tagMode, timeZone, carSpeedLimit;
};

// The table the settings write sends: slots 0 and 1 set, the rest FF.
inline std::string WrittenTable() {
    const int slots[2][16] = {
        {0x00, 0x79, 0x26, 0x2E, 0x05, 0x00, 0x19, 0x03, 0x26, 0x23, 0x01, 0xFF, 0xFF, 0x01, 0xFF,
         0xFF},
        {0x00, 0x79, 0x1E, 0x36, 0x56, 0x00, 0x19, 0x01, 0x06, 0x14, 0x02, 0xFF, 0xFF, 0x01, 0xFF,
         0xFF},
    };
    std::string table;
    for (const auto& slot : slots) {
        for (int b : slot) {
            table += Byte(b);
        }
    }
    return table + std::string(128, '\xFF');
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

inline std::wstring UserPointLine(int slot, const std::string& table) {
    auto b = [&](int i) {
        return static_cast<uint8_t>(table[static_cast<std::size_t>(slot * 16 + i)]);
    };
    auto mark = [](uint8_t v, const wchar_t* zero, const wchar_t* one) {
        return std::wstring(v == 0 ? zero : v == 1 ? one : L"?,");
    };
    const std::wstring degree = L"\u00B0";
    const std::wstring fractionEnd = L"\" , ";
    return L"User Point " + Dec(slot) + L"-- " + mark(b(0), L"E, ", L"W, ") + Dec(b(1)) + degree +
           Dec(b(2)) + L"'" + Dec(b(3)) + L"." + Dec(b(4)) + fractionEnd +
           mark(b(5), L"N, ", L"S,") + Dec(b(6)) + degree + Dec(b(7)) + L"'" + Dec(b(8)) + L"." +
           Dec(b(9)) + fractionEnd + Dec(b(10)) + L" * 100 m , " +
           (b(13) == 1 ? L"Enable , " : L"Disable , ");
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
    auto low = [](const std::string& bytes) { return static_cast<int>(FromLe(bytes) & 0xFF); };
    const int32_t timeInterval = Signed(FromLe(raw.timeInterval));
    const int32_t displacement = Signed(FromLe(raw.displacementInterval));
    const int vibration = low(raw.vibration);
    const int timeZone = static_cast<int8_t>(low(raw.timeZone));
    const int carSpeed = low(raw.carSpeedLimit);
    std::string table = raw.userPoints;
    table.resize(160, '\0');

    out.fields[1008] = L"( Read Time Interval = " +
                       (timeInterval == -1 ? std::wstring(L"Disable") : Dec(timeInterval)) + L" )";
    out.fields[1009] = L"( Read Displacement Interval = " +
                       (displacement == -1 ? std::wstring(L"Disable") : Dec(displacement)) + L" )";
    if (vibration == 0 || vibration == 2) {  // any other value leaves 1010 alone
        out.fields[1010] =
            vibration == 2 ? L"( Vibration  = Enable )" : L"( Vibration  = Disable )";
    }
    out.fields[1011] = low(raw.tag) != 0 ? L"( Tag  = Enable )" : L"( Tag  = Disable )";
    out.fields[1021] = L"( Min. Speed limit  = " + Dec(low(raw.minSpeedLimit)) + L" )";
    out.fields[1038] = L"( Into Idle Timer  = " + Dec(low(raw.intoIdleTimer)) + L" minute)";
    out.fields[1042] = low(raw.tagMode) == 0 ? L"( Tag Mode  = Tag_For_Continuous_Mode )"
                                             : L"( Tag Mode  = Tag_For_User_Point_Mode )";
    out.fields[1044] =
        L"( Time Zone = " + Dec(timeZone >= -12 && timeZone <= 12 ? timeZone : 0) + L" )";
    out.fields[1045] =
        L"( Car Speed Limit = " + Dec(carSpeed >= 50 && carSpeed <= 250 ? carSpeed : 0) + L" )";
    for (int slot = 0; slot < 10; ++slot) {
        out.fields[1028 + slot] = UserPointLine(slot, table);
    }
    return out;
}

}  // namespace hostile

#endif
