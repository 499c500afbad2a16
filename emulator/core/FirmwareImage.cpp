#include "FirmwareImage.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "Crc32.h"
#include "ResultCode.h"

namespace orlog7emu {

const char kImageModel[] = "ORLOG7";

namespace {

constexpr char kMagic[4] = {'O', 'R', '7', 'F'};
constexpr uint16_t kFormatVersion = 1;
constexpr size_t kModelFieldSize = 8;
constexpr size_t kVersionFieldSize = kFirmwareVersionMaxLength + 1;
constexpr size_t kChecksumOffset = kImageHeaderSize + kImagePayloadSize;

constexpr size_t kModelOffset = 8;
constexpr size_t kVersionOffset = kModelOffset + kModelFieldSize;

// The text's terminator is followed by zeros only, as BuildImage pads it.
bool IsZeroPadded(const uint8_t* field, size_t width) {
    const auto* end = static_cast<const uint8_t*>(std::memchr(field, 0, width));
    return end != nullptr && std::all_of(end, field + width, [](uint8_t b) { return b == 0; });
}

}  // namespace

bool IsValidFirmwareVersion(const std::string& version) {
    if (version.empty() || version.size() > kFirmwareVersionMaxLength) {
        return false;
    }
    for (char c : version) {
        if (c < 0x20 || c > 0x7E) {
            return false;
        }
    }
    return true;
}

int32_t CheckImage(const Bytes& image, std::string& version) {
    if (image.size() != kImageSize) {
        return code::kBinFileSizeError;
    }

    ByteReader header(image.data(), kImageHeaderSize);
    uint8_t magic[4];
    header.Raw(magic, sizeof magic);
    const uint16_t format = header.U16();
    const uint16_t headerSize = header.U16();
    std::string model;
    std::string text;
    const bool modelOk = header.FixedText(kModelFieldSize, model);
    const bool textOk = header.FixedText(kVersionFieldSize, text);
    const uint32_t payloadLength = header.U32();
    const uint32_t reserved = header.U32();
    if (std::memcmp(magic, kMagic, sizeof kMagic) != 0 || format != kFormatVersion ||
        headerSize != kImageHeaderSize || !modelOk || model != kImageModel || !textOk ||
        !IsValidFirmwareVersion(text) || payloadLength != kImagePayloadSize || reserved != 0 ||
        !IsZeroPadded(image.data() + kModelOffset, kModelFieldSize) ||
        !IsZeroPadded(image.data() + kVersionOffset, kVersionFieldSize)) {
        return code::kNotCorrectBinFile;
    }

    ByteReader trailer(image.data() + kChecksumOffset, 4);
    if (trailer.U32() != Crc32(image.data(), kChecksumOffset)) {
        return code::kBinFileChecksumError;
    }
    version = text;
    return 0;
}

int32_t CheckImageFile(const FileSystem& fs, const std::string& path, std::string& version) {
    if (path.empty()) {
        return code::kErrorBinFilePath;
    }
    Bytes image;
    switch (fs.ReadFile(path, kImageSize, image)) {
    case ReadStatus::Ok:
        break;
    case ReadStatus::NotFound:
    case ReadStatus::VolumeAway:
    case ReadStatus::IsDirectory:
        return code::kErrorBinFilePath;
    case ReadStatus::OpenFailed:
        return code::kCannotOpenBinFile;
    case ReadStatus::TooLarge:
        return code::kBinFileSizeError;
    }
    return CheckImage(image, version);
}

Bytes BuildImage(const std::string& version) {
    if (!IsValidFirmwareVersion(version)) {
        throw std::invalid_argument("firmware version");
    }
    Bytes image;
    image.reserve(kImageSize);
    ByteWriter out(image);
    out.Raw(reinterpret_cast<const uint8_t*>(kMagic), sizeof kMagic);
    out.U16(kFormatVersion);
    out.U16(kImageHeaderSize);
    out.FixedText(kImageModel, kModelFieldSize);
    out.FixedText(version, kVersionFieldSize);
    out.U32(kImagePayloadSize);
    out.U32(0);
    uint32_t state = Crc32(reinterpret_cast<const uint8_t*>(version.data()), version.size());
    for (size_t i = 0; i < kImagePayloadSize; ++i) {
        state = state * 1664525u + 1013904223u;  // any deterministic filler will do
        out.U8(static_cast<uint8_t>(state >> 24));
    }
    out.U32(Crc32(image.data(), image.size()));
    return image;
}

}  // namespace orlog7emu
