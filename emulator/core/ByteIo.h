// Little-endian encoding of the emulator's binary files (state, dump, image).
#ifndef VANTREL_EMULATOR_CORE_BYTEIO_H
#define VANTREL_EMULATOR_CORE_BYTEIO_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orlog7emu {

using Bytes = std::vector<uint8_t>;

class ByteWriter {
public:
    explicit ByteWriter(Bytes& out) : out_(out) {}
    void U8(uint8_t v) { out_.push_back(v); }
    void U16(uint16_t v);
    void U32(uint32_t v);
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    void I64(int64_t v);
    void Raw(const uint8_t* data, size_t size) { out_.insert(out_.end(), data, data + size); }
    // A text in a zero-padded field of `width` bytes; longer texts are cut so
    // that the last byte stays zero.
    void FixedText(const std::string& text, size_t width);

private:
    Bytes& out_;
};

// Reads from a byte range; every read past the end sets the failed flag and
// yields zeros, so a parser checks Ok() once at the end.
class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t U8();
    uint16_t U16();
    uint32_t U32();
    int32_t I32() { return static_cast<int32_t>(U32()); }
    int64_t I64();
    bool Raw(uint8_t* out, size_t size);
    // A zero-terminated text in a field of `width` bytes; fails when the
    // field holds no terminator.
    bool FixedText(size_t width, std::string& text);
    size_t Position() const { return pos_; }
    size_t Remaining() const { return size_ - pos_; }
    bool Ok() const { return !failed_; }

private:
    bool Take(size_t n);
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    bool failed_ = false;
};

}  // namespace orlog7emu

#endif
