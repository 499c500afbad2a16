// CRC-32 (IEEE 802.3, reflected, as zlib computes it): the checksum of the
// state file, the dump file and the firmware image.
#ifndef VANTREL_EMULATOR_CORE_CRC32_H
#define VANTREL_EMULATOR_CORE_CRC32_H

#include <cstddef>
#include <cstdint>

namespace orlog7emu {

uint32_t Crc32(const uint8_t* data, size_t size);

// True when `size` bytes end in the little-endian CRC-32 of the bytes before
// it and leave at least `minBody` bytes of body.
bool HasCrc32Trailer(const uint8_t* data, size_t size, size_t minBody);

}  // namespace orlog7emu

#endif
