#include "ByteIo.h"

#include <cstring>

namespace orlog7emu {

void ByteWriter::U16(uint16_t v) {
    U8(static_cast<uint8_t>(v));
    U8(static_cast<uint8_t>(v >> 8));
}

void ByteWriter::U32(uint32_t v) {
    U16(static_cast<uint16_t>(v));
    U16(static_cast<uint16_t>(v >> 16));
}

void ByteWriter::I64(int64_t v) {
    const auto u = static_cast<uint64_t>(v);
    U32(static_cast<uint32_t>(u));
    U32(static_cast<uint32_t>(u >> 32));
}

void ByteWriter::FixedText(const std::string& text, size_t width) {
    for (size_t i = 0; i < width; ++i) {
        U8(i + 1 < width && i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
    }
}

bool ByteReader::Take(size_t n) {
    if (failed_ || n > size_ - pos_) {
        failed_ = true;
        return false;
    }
    return true;
}

uint8_t ByteReader::U8() {
    if (!Take(1)) {
        return 0;
    }
    return data_[pos_++];
}

uint16_t ByteReader::U16() {
    const uint16_t lo = U8();
    const uint16_t hi = U8();
    return static_cast<uint16_t>(lo | (hi << 8));
}

uint32_t ByteReader::U32() {
    const uint32_t lo = U16();
    const uint32_t hi = U16();
    return lo | (hi << 16);
}

int64_t ByteReader::I64() {
    const uint64_t lo = U32();
    const uint64_t hi = U32();
    return static_cast<int64_t>(lo | (hi << 32));
}

bool ByteReader::Raw(uint8_t* out, size_t size) {
    if (!Take(size)) {
        return false;
    }
    std::memcpy(out, data_ + pos_, size);
    pos_ += size;
    return true;
}

bool ByteReader::FixedText(size_t width, std::string& text) {
    if (!Take(width)) {
        return false;
    }
    const auto* field = reinterpret_cast<const char*>(data_ + pos_);
    pos_ += width;
    const void* end = std::memchr(field, 0, width);
    if (end == nullptr) {
        return false;
    }
    text.assign(field, static_cast<const char*>(end));
    return true;
}

}  // namespace orlog7emu
