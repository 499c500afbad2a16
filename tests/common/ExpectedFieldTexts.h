// The texts the status, firmware and scan readouts must write for given
// library outputs, worked out by hand apart from the program's field code.
// Texts are UTF-8; a text output is passed as the window must show it (its
// bytes up to the first zero, never past its buffer: see BufferText).
#ifndef VANTREL_TESTS_COMMON_EXPECTEDFIELDTEXTS_H
#define VANTREL_TESTS_COMMON_EXPECTEDFIELDTEXTS_H

#include <cstdint>
#include <string>

#include "ExpectedResults.h"

namespace expected {

constexpr int32_t kLogMemoryCapacity = 3997696;  // 0x3D0000 bytes

// A text buffer as the tool must read it: up to the first zero, or all of it.
inline std::string BufferText(const std::string& buffer) {
    return buffer.substr(0, buffer.find('\0'));
}

inline Events DllVersionFields(const std::string& version) {
    return {Field(1012, "( DLL Version = " + version + " )")};
}

inline Events DeviceInformationFields(uint32_t serialNumber, const std::string& firmwareVersion,
                                      const std::string& distributorName,
                                      const std::string& modelName) {
    return {Field(1017, "( SerialNumber = " + std::to_string(serialNumber) + " )"),
            Field(1016, "( FW Ver = " + firmwareVersion + " )"),
            Field(1043, "( Distributor Name = " + distributorName + " )"),
            Field(1046, "( Model Name = " + modelName + " )")};
}

// In the order the library delivers them; the field shows day, month, year.
inline Events GpsTimeFields(int hour, int minute, int second, int year, int month, int day) {
    auto n = [](int value) { return std::to_string(value); };
    return {Field(1025, "( GPS UTC = " + n(hour) + ":" + n(minute) + ":" + n(second) + "  ,  " +
                            n(day) + "," + n(month) + "," + n(year) + " )")};
}

// The free size wraps in 32 bits and is never clamped.
inline Events MemoryFields(int32_t usedSize) {
    const int32_t freeSize = static_cast<int32_t>(static_cast<uint32_t>(kLogMemoryCapacity) -
                                                  static_cast<uint32_t>(usedSize));
    return {Field(1040, "( Memory Used Size = " + std::to_string(usedSize) + " Bytes )"),
            Field(1041, "( Free Memory Size = " + std::to_string(freeSize) + " Bytes )")};
}

// The used size whose memory field 1040 reads `text`, or -1 for a text that
// is not one (the emulator's use is not known beforehand).
inline long long UsedSizeShown(const std::string& text) {
    const std::size_t begin = text.find_first_of("0123456789");
    const std::size_t end = text.find_first_not_of("0123456789", begin);
    if (begin == std::string::npos || end - begin > 10) {
        return -1;
    }
    const long long used = std::stoll(text.substr(begin, end - begin));
    if (used > INT32_MAX || MemoryFields(static_cast<int32_t>(used)).front().text != text) {
        return -1;
    }
    return used;
}

inline Events BinFileVersionFields(const std::string& version) {
    return {Field(1020, "( Bin File FW Version = " + version + " )")};
}

// A scanned port of 0 leaves field 1023 alone.
inline Events ScanFields(int32_t scannedPort) {
    if (scannedPort == 0) {
        return {};
    }
    return {Field(1023, "( Auto Scan to COM " + std::to_string(scannedPort) + " )")};
}

}  // namespace expected

#endif
