#include "ByteIo.h"

#include <cstring>

namespace orlog7emu {

void ByteWriter::FixedText(const std::string& text, size_t width) {
    for (size_t i = 0; i < width; ++i) {
        U8(i + 1 < width && i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
    }
}

bool ByteReader::Raw(uint8_t* out, size_t size) {
    const uint8_t* at = Span(size);
    if (at == nullptr) {
        return false;
    }
    std::memcpy(out, at, size);
    return true;
}

bool ByteReader::FixedText(size_t width, std::string& text) {
    const auto* field = reinterpret_cast<const char*>(Span(width));
    if (field == nullptr) {
        return false;
    }
    const void* end = std::memchr(field, 0, width);
    if (end == nullptr) {
        return false;
    }
    text.assign(field, static_cast<const char*>(end));
    return true;
}

}  // namespace orlog7emu
