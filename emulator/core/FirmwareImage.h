// The emulated logger's firmware image file: a fixed-size flash image.
//
// Layout (little-endian), 65572 bytes in all:
//      0   4  magic "OR7F"
//      4  u16 format version, 1
//      6  u16 header size, 32
//      8   8  model "ORLOG7", zero-padded
//     16   8  firmware version: 1..7 printable ASCII characters, zero-padded
//     24  u32 payload length, 65536
//     28  u32 reserved, 0
//     32  65536 bytes of payload
//  65568  u32 CRC-32 of bytes 0..65567
#ifndef VANTREL_EMULATOR_CORE_FIRMWAREIMAGE_H
#define VANTREL_EMULATOR_CORE_FIRMWAREIMAGE_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "ByteIo.h"
#include "FileSystem.h"

namespace orlog7emu {

constexpr size_t kImageHeaderSize = 32;
constexpr size_t kImagePayloadSize = 65536;
constexpr size_t kImageSize = kImageHeaderSize + kImagePayloadSize + 4;
constexpr size_t kFirmwareVersionMaxLength = 7;
extern const char kImageModel[];

// True for 1..7 printable ASCII characters: what fits the device's 8-byte
// firmware version field.
bool IsValidFirmwareVersion(const std::string& version);

// Checks an image's bytes: 33 wrong size, 34 not an image of this logger,
// 36 checksum mismatch; 0 and the version when good.
int32_t CheckImage(const Bytes& image, std::string& version);

// Reads and checks the image file: 31 no such file (or no path, or a
// folder), 32 cannot be read, then as CheckImage.
int32_t CheckImageFile(const FileSystem& fs, const std::string& path, std::string& version);

// A valid image with the given version (which IsValidFirmwareVersion must
// accept); the payload is a pattern derived from the version.
Bytes BuildImage(const std::string& version);

}  // namespace orlog7emu

#endif
