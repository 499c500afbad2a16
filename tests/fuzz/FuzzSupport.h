// Shared pieces of the fuzz targets: a property check that stops the run, the
// input read at fixed offsets, and a UTF-8 check. The targets that drive the
// operations do so with the unit tests' window and library (tests/common).
#ifndef VANTREL_TESTS_FUZZ_FUZZSUPPORT_H
#define VANTREL_TESTS_FUZZ_FUZZSUPPORT_H

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace vantrel {
namespace fuzz {

// A broken property is a crash to libFuzzer: it saves the input and fails.
#define FUZZ_REQUIRE(condition, what)                                                           \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "%s:%d: property broken: %s (%s)\n", __FILE__, __LINE__, what, \
                         #condition);                                                           \
            std::abort();                                                                       \
        }                                                                                       \
    } while (0)

// The input as a target lays it out: `length` bytes, a shorter input padded
// with zeros, a longer one cut.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size, size_t length) : bytes_(length, 0) {
        if (size > 0) {
            std::memcpy(bytes_.data(), data, std::min(size, length));
        }
    }
    uint8_t operator[](size_t offset) const { return bytes_[offset]; }
    const unsigned char* At(size_t offset) const { return bytes_.data() + offset; }
    std::string Text(size_t offset, size_t size) const {
        return std::string(reinterpret_cast<const char*>(At(offset)), size);
    }
    template <typename T>
    T Read(size_t offset) const {
        T value;
        std::memcpy(&value, At(offset), sizeof value);
        return value;
    }

private:
    std::vector<unsigned char> bytes_;
};

// Bytes in the UTF-8 sequence that `lead` starts; 0 if it cannot start one.
inline int Utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    return (lead & 0xF8) == 0xF0 ? 4 : 0;
}

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing above U+10FFFF.
inline bool IsValidUtf8(const std::string& text) {
    // The smallest code point that needs a sequence of each length.
    constexpr uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        const int length = Utf8SequenceLength(*p);
        if (length == 0 || end - p < length) {
            return false;
        }
        uint32_t code = length == 1 ? *p : *p & (0x7Fu >> length);
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (p[i] & 0x3Fu);
        }
        if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        p += length;
    }
    return true;
}

}  // namespace fuzz
}  // namespace vantrel

#endif
