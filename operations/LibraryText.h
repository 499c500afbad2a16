// Texts the device library writes into our buffers: 8-bit, system code page.
#ifndef VANTREL_OPERATIONS_LIBRARYTEXT_H
#define VANTREL_OPERATIONS_LIBRARYTEXT_H

#include <cstddef>
#include <string>

namespace vantrel {

// The text in a library-filled buffer as UTF-8. Reads at most `capacity`
// bytes: a buffer the library filled to the end without a terminating zero
// gives all of its bytes and nothing beyond.
std::string LibraryText(const char* buffer, std::size_t capacity);

// Converts a text of the system code page to UTF-8. A link-time seam: each
// program links the decoder of its platform, app/SystemCodePage.cpp in the
// Windows program, tests/stubs/HostCodePage.cpp in the host tests.
std::string SystemCodePageToUtf8(const std::string& text);

}  // namespace vantrel

#endif
