#include "CaseContext.h"

#include <windows.h>

#include <cstdio>

#include "Text.h"

namespace e2e {

std::vector<CaseEntry>& RegisteredCases() {
    static std::vector<CaseEntry> cases;
    return cases;
}

std::string Describe(const std::string& value) {
    std::string text = "\"";
    for (unsigned char c : value) {
        if (c < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            text += escaped;
        } else {
            text += static_cast<char>(c);
        }
    }
    return text + "\"";
}

std::string Describe(const std::wstring& value) {
    return Describe(Narrow(value));
}

std::string Describe(long long value) {
    return std::to_string(value);
}

std::string Describe(unsigned long long value) {
    return std::to_string(value);
}

void CaseContext::Fail(const std::string& what) {
    ++failures_;
    if (echo_)
        std::printf("  failure: %s\n", what.c_str());
}

std::wstring CaseContext::NewScratchDir() {
    // <scratch root>\<case>\<n>; the harness empties the root before a run.
    std::wstring dir = paths_.scratchRoot;
    CreateDirectoryW(dir.c_str(), nullptr);
    dir += L"\\" + Widen(name_);
    CreateDirectoryW(dir.c_str(), nullptr);
    dir += L"\\" + std::to_wstring(++scratchCount_);
    CreateDirectoryW(dir.c_str(), nullptr);
    Require(GetFileAttributesW(dir.c_str()) != INVALID_FILE_ATTRIBUTES,
            "create scratch folder " + Narrow(dir));
    return dir;
}

}  // namespace e2e
