#include "Crc32.h"

namespace orlog7emu {

uint32_t Crc32(const uint8_t* data, size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

bool HasCrc32Trailer(const uint8_t* data, size_t size, size_t minBody) {
    if (size < minBody + 4) {
        return false;
    }
    const size_t body = size - 4;
    const uint32_t stored = uint32_t{data[body]} | uint32_t{data[body + 1]} << 8 |
                            uint32_t{data[body + 2]} << 16 | uint32_t{data[body + 3]} << 24;
    return stored == Crc32(data, body);
}

}  // namespace orlog7emu
