// Little-endian encoding of the emulator's binary files (state, dump, image).
// Inline: the state file and a dump hold a quarter of a million records.
#ifndef VANTREL_EMULATOR_CORE_BYTEIO_H
#define VANTREL_EMULATOR_CORE_BYTEIO_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orlog7emu {

using Bytes = std::vector<uint8_t>;

inline void PutLe16(uint8_t* at, uint16_t v) {
    at[0] = static_cast<uint8_t>(v);
    at[1] = static_cast<uint8_t>(v >> 8);
}

inline void PutLe32(uint8_t* at, uint32_t v) {
    PutLe16(at, static_cast<uint16_t>(v));
    PutLe16(at + 2, static_cast<uint16_t>(v >> 16));
}

inline uint16_t GetLe16(const uint8_t* at) {
    return static_cast<uint16_t>(at[0] | at[1] << 8);
}

inline uint32_t GetLe32(const uint8_t* at) {
    return uint32_t{GetLe16(at)} | uint32_t{GetLe16(at + 2)} << 16;
}

class ByteWriter {
public:
    explicit ByteWriter(Bytes& out) : out_(out) {}
    void U8(uint8_t v) { out_.push_back(v); }
    void U16(uint16_t v) { PutLe16(Grow(2), v); }
    void U32(uint32_t v) { PutLe32(Grow(4), v); }
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    void I64(int64_t v) {
        const auto u = static_cast<uint64_t>(v);
        U32(static_cast<uint32_t>(u));
        U32(static_cast<uint32_t>(u >> 32));
    }
    void Raw(const uint8_t* data, size_t size) { out_.insert(out_.end(), data, data + size); }
    // A text in a zero-padded field of `width` bytes; longer texts are cut so
    // that the last byte stays zero.
    void FixedText(const std::string& text, size_t width);
    // `size` more bytes at the end, to be filled in place.
    uint8_t* Grow(size_t size) {
        out_.resize(out_.size() + size);
        return out_.data() + out_.size() - size;
    }

private:
    Bytes& out_;
};

// Reads from a byte range; every read past the end sets the failed flag and
// yields zeros, so a parser checks Ok() once at the end.
class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t U8() { return Take(1) ? data_[pos_++] : 0; }
    uint16_t U16() {
        const uint8_t* at = Span(2);
        return at != nullptr ? GetLe16(at) : 0;
    }
    uint32_t U32() {
        const uint8_t* at = Span(4);
        return at != nullptr ? GetLe32(at) : 0;
    }
    int32_t I32() { return static_cast<int32_t>(U32()); }
    int64_t I64() {
        const uint64_t lo = U32();
        const uint64_t hi = U32();
        return static_cast<int64_t>(lo | (hi << 32));
    }
    bool Raw(uint8_t* out, size_t size);
    // A zero-terminated text in a field of `width` bytes; fails when the
    // field holds no terminator.
    bool FixedText(size_t width, std::string& text);
    // The next `size` bytes, passed over; null (and failed) when fewer are left.
    const uint8_t* Span(size_t size) {
        if (!Take(size)) {
            return nullptr;
        }
        pos_ += size;
        return data_ + pos_ - size;
    }
    size_t Position() const { return pos_; }
    size_t Remaining() const { return size_ - pos_; }
    bool Ok() const { return !failed_; }

private:
    bool Take(size_t n) {
        if (failed_ || n > size_ - pos_) {
            failed_ = true;
            return false;
        }
        return true;
    }
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    bool failed_ = false;
};

}  // namespace orlog7emu

#endif
