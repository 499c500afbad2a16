// The host builds' system code page: ISO 8859-1, whose 256 bytes are the first
// 256 code points. Small enough to be certain of, and every byte decodes, so
// the host tests see the decoding step at work (Windows decodes with the real
// system code page; the end-to-end tests check code page 950 there).
#include "operations/LibraryText.h"

namespace vantrel {

std::string SystemCodePageToUtf8(const std::string& text) {
    std::string utf8;
    utf8.reserve(text.size() * 2);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

}  // namespace vantrel
