#include "Crc32.h"

namespace orlog7emu {

namespace {

// Slicing by eight: table k holds the CRC of a byte followed by k zero
// bytes, so eight bytes take eight lookups (a full log is 4 MB).
constexpr int kSlices = 8;

struct Crc32Tables {
    uint32_t table[kSlices][256];
};

constexpr Crc32Tables MakeTables() {
    Crc32Tables t{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t crc = i;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        t.table[0][i] = crc;
    }
    for (int k = 1; k < kSlices; ++k) {
        for (uint32_t i = 0; i < 256; ++i) {
            const uint32_t previous = t.table[k - 1][i];
            t.table[k][i] = (previous >> 8) ^ t.table[0][previous & 0xFF];
        }
    }
    return t;
}

constexpr Crc32Tables kCrc = MakeTables();

uint32_t Le32(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t size) {
    const auto& t = kCrc.table;
    uint32_t crc = 0xFFFFFFFFu;
    for (; size >= 8; data += 8, size -= 8) {
        const uint32_t low = Le32(data) ^ crc;
        const uint32_t high = Le32(data + 4);
        crc = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^
              t[4][low >> 24] ^ t[3][high & 0xFF] ^ t[2][(high >> 8) & 0xFF] ^
              t[1][(high >> 16) & 0xFF] ^ t[0][high >> 24];
    }
    for (; size > 0; ++data, --size) {
        crc = (crc >> 8) ^ t[0][(crc ^ *data) & 0xFF];
    }
    return ~crc;
}

bool HasCrc32Trailer(const uint8_t* data, size_t size, size_t minBody) {
    if (size < minBody + 4) {
        return false;
    }
    const size_t body = size - 4;
    return Le32(data + body) == Crc32(data, body);
}

}  // namespace orlog7emu
