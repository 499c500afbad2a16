// Reading the files that the program, the fake library and the emulator write.
#ifndef VANTREL_TESTS_E2E_FILES_H
#define VANTREL_TESTS_E2E_FILES_H

#include <string>

namespace e2e {

// Appends the whole file to `bytes`; false when it cannot be opened.
bool ReadWholeFile(const std::wstring& path, std::string& bytes);
bool Exists(const std::wstring& path);

}  // namespace e2e

#endif
