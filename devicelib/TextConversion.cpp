#include "devicelib/TextConversion.h"

#include <windows.h>

namespace vantrel {
namespace {

std::wstring ToWide(UINT codePage, const std::string& text) {
    const int length = static_cast<int>(text.size());
    const int needed =
        text.empty() ? 0 : MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (needed <= 0) {
        return std::wstring();
    }
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, &wide[0], needed);
    return wide;
}

}  // namespace

std::wstring Utf8ToWide(const std::string& text) {
    return ToWide(CP_UTF8, text);
}

std::string WideToUtf8(const std::wstring& text) {
    const int length = static_cast<int>(text.size());
    const int needed = text.empty() ? 0
                                    : WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr,
                                                          0, nullptr, nullptr);
    if (needed <= 0) {
        return std::string();
    }
    std::string utf8(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, &utf8[0], needed, nullptr, nullptr);
    return utf8;
}

std::string CodePageToUtf8(const std::string& text) {
    return WideToUtf8(ToWide(CP_ACP, text));
}

}  // namespace vantrel
