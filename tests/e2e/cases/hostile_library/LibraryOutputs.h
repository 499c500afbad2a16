// What a hostile library writes into each export's outputs, and the values
// it delivers, from which the shared expected texts give the fields.
//
// Every export with outputs has a few variants: writing nothing at all (the
// tool's presets, zero and empty, must show), filling every buffer to its
// last byte with non-zero bytes and no terminator (the text must end with the
// buffer), and extreme numbers. Outputs are scripted as raw bytes, so a
// four-byte output can carry junk in the bytes the tool must not read.
#ifndef VANTREL_TESTS_E2E_HOSTILE_LIBRARY_LIBRARYOUTPUTS_H
#define VANTREL_TESTS_E2E_HOSTILE_LIBRARY_LIBRARYOUTPUTS_H

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "Text.h"
#include "tests/common/ExpectedFieldTexts.h"

namespace hostile {

// The texts one operation writes when it writes its fields, and the lines of
// the fake's script that make the library deliver the values behind them.
struct Outputs {
    std::vector<std::string> lines;      // "<output> <value>", without the export
    std::map<int, std::wstring> fields;  // control id -> text

    void Show(const expected::Events& written) {
        for (const expected::Event& field : written) {
            fields[field.controlId] = e2e::Widen(field.text);
        }
    }
};

// Output variant `variant` (0 .. variants-1) of an export; `salt` varies the
// values from click to click so a stray write shows.
using OutputsFunction = Outputs (*)(int variant, int salt);

inline std::string Le32(uint32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) {
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return bytes;
}

inline uint32_t FromLe(const std::string& bytes) {
    uint32_t value = 0;
    for (std::size_t i = 0; i < bytes.size() && i < 4; ++i) {
        value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[i])) << (8 * i);
    }
    return value;
}

inline int32_t Signed(uint32_t bits) {
    return bits <= 0x7FFFFFFFu ? static_cast<int32_t>(bits)
                               : static_cast<int32_t>(static_cast<int64_t>(bits) - 0x100000000LL);
}

inline std::string Byte(int value) {
    return std::string(1, static_cast<char>(value & 0xFF));
}

// `size` printable bytes, none zero, starting at a place set by `salt`.
inline std::string Fill(std::size_t size, int salt) {
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i) {
        bytes += static_cast<char>(0x21 + (static_cast<std::size_t>(salt) * 7 + i) % 94);
    }
    return bytes;
}

// `size` bytes from 0x80 to 0xFF: characters of the system code page.
inline std::string HighFill(std::size_t size, int salt) {
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i) {
        bytes += static_cast<char>(0x80 + (static_cast<std::size_t>(salt) * 5 + i * 3) % 128);
    }
    return bytes;
}

inline std::string Line(const char* output, const std::string& bytes) {
    return std::string(output) + " " + e2e::HexText(bytes);
}

// A text buffer as a window must show it: its bytes up to the first zero, or
// all of them, decoded from the system code page; nothing beyond. UTF-8.
inline std::string Shown(const std::string& buffer) {
    const std::string text = expected::BufferText(buffer);
    if (text.empty()) {
        return std::string();
    }
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return e2e::Narrow(wide);
}

// What a library leaves in a text buffer of `size` bytes (variant 0: it does
// not touch it, so the tool's preset zeros remain).
constexpr int kTextVariants = 6;
inline std::string TextBuffer(int variant, std::size_t size, int salt, bool* written) {
    *written = variant != 0;
    switch (variant) {
    case 1:
        return Fill(size, salt);  // to the last byte, no zero
    case 2:
        return HighFill(size, salt);  // the same, high bytes
    case 3:
        return Fill(size - 1, salt) + '\0';  // the longest terminated text
    case 4:
        return '\0' + Fill(size - 1, salt);  // empty, junk behind the zero
    case 5:
        return Byte('v') + '\0' + Fill(size - 2, salt);  // short, junk behind
    default:
        return std::string(size, '\0');
    }
}

// One text output: its script line (if written) and what it shows.
inline std::string TextOutput(Outputs& out, const char* name, int variant, std::size_t size,
                              int salt) {
    bool written = false;
    const std::string buffer = TextBuffer(variant, size, salt, &written);
    if (written) {
        out.lines.push_back(Line(name, buffer));
    }
    return Shown(buffer);
}

// KZ_ORLOG7_READ_DLL_VERSION: a 20-byte text, field 1012.
inline Outputs DllVersionOutputs(int variant, int salt) {
    Outputs out;
    out.Show(expected::DllVersionFields(TextOutput(out, "version", variant, 20, salt)));
    return out;
}

// KZ_ORLOG7_Read_BinFile_FW_Version: a 64-byte text, field 1020.
inline Outputs BinFileVersionOutputs(int variant, int salt) {
    Outputs out;
    out.Show(expected::BinFileVersionFields(TextOutput(out, "version", variant, 64, salt)));
    return out;
}

// KZ_ORLOG7_READ_DEVICE_INFORMATION: a serial number and texts of 8, 32 and
// 32 bytes, fields 1017, 1016, 1043, 1046.
inline Outputs DeviceInformationOutputs(int variant, int salt) {
    Outputs out;
    const std::string serials[kTextVariants] = {
        "",  // not written: the preset 0
        Fill(4, salt),
        Le32(0xFFFFFFFFu),
        Le32(0x80000000u),
        Le32(0),
        Le32(0x9E3779B9u * salt),
    };
    const std::string& serial = serials[variant];
    if (!serial.empty()) {
        out.lines.push_back(Line("serialNumber", serial));
    }
    const std::string firmware = TextOutput(out, "firmwareVersion", variant, 8, salt);
    const std::string distributor = TextOutput(out, "distributorName", variant, 32, salt + 1);
    const std::string model = TextOutput(out, "modelName", variant, 32, salt + 2);
    out.Show(expected::DeviceInformationFields(FromLe(serial), firmware, distributor, model));
    return out;
}

// KZ_ORLOG7_READ_GPS_UTC_TIME_DATE: six bytes in the order hour, minute,
// second, year, month, day.
constexpr int kGpsVariants = 6;
inline Outputs GpsUtcTimeOutputs(int variant, int salt) {
    static const char* const kNames[6] = {"hour", "minute", "second", "year", "month", "day"};
    const int s = salt & 0xFF;
    const int values[kGpsVariants][6] = {
        {0, 0, 0, 0, 0, 0},                    // not written
        {255, 255, 255, 255, 255, 255},        // every byte full
        {1, 2, 3, 4, 5, 6},                    // the order of the pieces
        {24, 60, 61, 0, 13, 32},               // out of calendar range, shown as delivered
        {0x7F, 0x80, 0x81, 0xFE, 0x01, 0x10},  // around the sign bit
        {s, (s + 1) & 0xFF, (s + 2) & 0xFF, (s + 3) & 0xFF, (s + 4) & 0xFF, (s + 5) & 0xFF},
    };
    const int* v = values[variant];
    Outputs out;
    if (variant != 0) {
        for (int i = 0; i < 6; ++i) {
            out.lines.push_back(Line(kNames[i], Byte(v[i])));
        }
    }
    out.Show(expected::GpsTimeFields(v[0], v[1], v[2], v[3], v[4], v[5]));
    return out;
}

// KZ_ORLOG7_READ_MEMORY_USED_SIZE: a signed used size.
constexpr int kMemoryVariants = 8;
inline Outputs MemoryOutputs(int variant, int salt) {
    const std::string used[kMemoryVariants] = {
        "",  // not written: the preset 0
        Le32(0xFFFFFFFFu),
        Le32(0x80000000u),
        Le32(0x7FFFFFFFu),
        Fill(4, salt),
        Le32(3997696),
        Le32(3997697),
        Le32(static_cast<uint32_t>(salt) * 4096u),
    };
    Outputs out;
    if (!used[variant].empty()) {
        out.lines.push_back(Line("usedSize", used[variant]));
    }
    out.Show(expected::MemoryFields(Signed(FromLe(used[variant]))));
    return out;
}

// KZ_ORLOG7_AUTO_INTO_DUMP_MODE: the scanned port.
constexpr int kScanVariants = 9;
inline Outputs ScanOutputs(int variant, int salt) {
    const std::string port[kScanVariants] = {
        "",  // not written: the preset 0
        Le32(5),
        Fill(4, salt),
        Le32(0xFFFFFFFFu),
        Le32(0x80000000u),
        Le32(0x7FFFFFFFu),
        Le32(0),
        Byte(12),  // one byte written; the rest keep the preset
        Le32(static_cast<uint32_t>(salt) + 1),
    };
    Outputs out;
    if (!port[variant].empty()) {
        out.lines.push_back(Line("scannedPort", port[variant]));
    }
    out.Show(expected::ScanFields(Signed(FromLe(port[variant]))));
    return out;
}

}  // namespace hostile

#endif
