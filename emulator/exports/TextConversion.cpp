#include "TextConversion.h"

#include <cstring>
#include <windows.h>

namespace orlog7emu {

namespace {

std::wstring ToWide(UINT codePage, const char* text, int length) {
    if (length <= 0) {
        return std::wstring();
    }
    const int needed = MultiByteToWideChar(codePage, 0, text, length, nullptr, 0);
    if (needed <= 0) {
        return std::wstring();
    }
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(codePage, 0, text, length, &wide[0], needed);
    return wide;
}

}  // namespace

std::string CodePageToUtf8(const char* text) {
    if (text == nullptr) {
        return std::string();
    }
    return WideToUtf8(ToWide(CP_ACP, text, static_cast<int>(std::strlen(text))));
}

std::wstring Utf8ToWide(const std::string& text) {
    return ToWide(CP_UTF8, text.data(), static_cast<int>(text.size()));
}

std::string WideToUtf8(const std::wstring& text) {
    if (text.empty()) {
        return std::string();
    }
    const int length = static_cast<int>(text.size());
    const int needed =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) {
        return std::string();
    }
    std::string utf8(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, &utf8[0], needed, nullptr, nullptr);
    return utf8;
}

}  // namespace orlog7emu
