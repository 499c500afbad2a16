// Text at the Win32 calls of both Windows binaries, Vantrel.exe and the
// emulator's DLL: UTF-8 inside, UTF-16 at the wide calls, and the system code
// page for the 8-bit texts that cross the device library's boundary. A text
// that cannot be converted (the size query fails) comes back empty.
#ifndef VANTREL_DEVICELIB_TEXTCONVERSION_H
#define VANTREL_DEVICELIB_TEXTCONVERSION_H

#include <string>

namespace vantrel {

std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);

// A text in the system code page (CP_ACP), as the library's 8-bit texts are.
std::string CodePageToUtf8(const std::string& text);

}  // namespace vantrel

#endif
