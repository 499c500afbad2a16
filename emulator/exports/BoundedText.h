// Copying a text into a caller's fixed-size buffer: the library never
// writes more than the buffer's size.
#ifndef VANTREL_EMULATOR_EXPORTS_BOUNDEDTEXT_H
#define VANTREL_EMULATOR_EXPORTS_BOUNDEDTEXT_H

#include <cstddef>
#include <cstring>
#include <string>

namespace orlog7emu {

// Copies `text` cut to size - 1 bytes, always terminated; a null buffer is
// left alone.
inline void CopyText(char* buffer, size_t size, const std::string& text) {
    if (buffer == nullptr || size == 0)
        return;
    const size_t count = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
}

}  // namespace orlog7emu

#endif
