#include "LibraryText.h"

#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

namespace vantrel {

std::string LibraryText(const char* buffer, std::size_t capacity) {
    const void* end = std::memchr(buffer, '\0', capacity);
    std::size_t length = end != nullptr ? static_cast<const char*>(end) - buffer : capacity;
    return SystemCodePageToUtf8(std::string(buffer, length));
}

std::string SystemCodePageToUtf8(const std::string& text) {
#ifdef _WIN32
    if (text.empty()) {
        return text;
    }
    int length = static_cast<int>(text.size());
    int wideLength = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, &wide[0], wideLength);
    int utf8Length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(utf8Length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, &utf8[0], utf8Length, nullptr,
                        nullptr);
    return utf8;
#else
    return text;
#endif
}

}  // namespace vantrel
