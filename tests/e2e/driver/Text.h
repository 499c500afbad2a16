// Conversions between the driver's wide strings, UTF-8 and the fake
// library's hex texts.
#ifndef VANTREL_TESTS_E2E_TEXT_H
#define VANTREL_TESTS_E2E_TEXT_H

#include <string>

namespace e2e {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);
// "hex:" and the bytes of `bytes`, as the fake library logs texts.
std::string HexText(const std::string& bytes);
// A Linux path (as CMake passes them) as Wine sees it on drive Z:.
std::wstring WindowsPath(const std::string& path);

}  // namespace e2e

#endif
