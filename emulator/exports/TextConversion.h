// Texts across the export boundary: paths arrive in the system code page and
// the model works in UTF-8; the Win32 file calls take UTF-16. The
// conversions are the ones Vantrel.exe uses (devicelib/TextConversion.h).
#ifndef VANTREL_EMULATOR_EXPORTS_TEXTCONVERSION_H
#define VANTREL_EMULATOR_EXPORTS_TEXTCONVERSION_H

#include <string>

#include "BoundedText.h"
#include "devicelib/TextConversion.h"

namespace orlog7emu {

using vantrel::Utf8ToWide;
using vantrel::WideToUtf8;

// A zero-terminated system-code-page text (null gives "") as UTF-8.
inline std::string CodePageToUtf8(const char* text) {
    return text == nullptr ? std::string() : vantrel::CodePageToUtf8(text);
}

}  // namespace orlog7emu

#endif
