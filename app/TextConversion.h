// UTF-8 inside the program, UTF-16 at the window.
#ifndef VANTREL_APP_TEXTCONVERSION_H
#define VANTREL_APP_TEXTCONVERSION_H

#include <string>

namespace vantrel {

std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);

}  // namespace vantrel

#endif
