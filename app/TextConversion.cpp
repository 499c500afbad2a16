// The program's one set of text conversions: UTF-8 inside, UTF-16 at the
// window, the system code page at the device library.
#include "app/TextConversion.h"

#include <windows.h>

#include "operations/LibraryText.h"

namespace vantrel {
namespace {

std::wstring ToWide(UINT codePage, const std::string& text) {
    if (text.empty()) {
        return std::wstring();
    }
    const int length = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, &wide[0], wideLength);
    return wide;
}

}  // namespace

std::wstring Utf8ToWide(const std::string& text) {
    return ToWide(CP_UTF8, text);
}

std::string WideToUtf8(const std::wstring& text) {
    if (text.empty()) {
        return std::string();
    }
    const int length = static_cast<int>(text.size());
    const int utf8Length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(utf8Length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, &utf8[0], utf8Length, nullptr, nullptr);
    return utf8;
}

// The decoder the operations declare (operations/LibraryText.h).
std::string SystemCodePageToUtf8(const std::string& text) {
    return WideToUtf8(ToWide(CP_ACP, text));
}

}  // namespace vantrel
