// Texts across the export boundary: paths arrive in the system code page and
// the model works in UTF-8; the Win32 file calls take UTF-16.
#ifndef VANTREL_EMULATOR_EXPORTS_TEXTCONVERSION_H
#define VANTREL_EMULATOR_EXPORTS_TEXTCONVERSION_H

#include <cstddef>
#include <string>

#include "BoundedText.h"

namespace orlog7emu {

// A zero-terminated system-code-page text (null gives "") as UTF-8.
std::string CodePageToUtf8(const char* text);
std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);

}  // namespace orlog7emu

#endif
