// Shared pieces of the fuzz targets: a property check that stops the run, a
// UTF-8 check, and a window and loader that stand in for the real ones.
#ifndef VANTREL_TESTS_FUZZ_FUZZSUPPORT_H
#define VANTREL_TESTS_FUZZ_FUZZSUPPORT_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "devicelib/LibraryBinding.h"
#include "operations/FieldText.h"
#include "operations/OperationWindow.h"

namespace vantrel {
namespace fuzz {

// A broken property is a crash to libFuzzer: it saves the input and fails.
#define FUZZ_REQUIRE(condition, what)                                                           \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "%s:%d: property broken: %s (%s)\n", __FILE__, __LINE__, what, \
                         #condition);                                                           \
            std::abort();                                                                       \
        }                                                                                       \
    } while (0)

// Bytes in the UTF-8 sequence that `lead` starts; 0 if it cannot start one.
inline int Utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    return (lead & 0xF8) == 0xF0 ? 4 : 0;
}

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing above U+10FFFF.
inline bool IsValidUtf8(const std::string& text) {
    // The smallest code point that needs a sequence of each length.
    constexpr uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        const int length = Utf8SequenceLength(*p);
        if (length == 0 || end - p < length) {
            return false;
        }
        uint32_t code = length == 1 ? *p : *p & (0x7Fu >> length);
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (p[i] & 0x3Fu);
        }
        if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        p += length;
    }
    return true;
}

inline bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Records what an operation does to the window.
class RecordingWindow final : public OperationWindow {
public:
    std::string serialNumberText;
    int portSelection = 1;
    std::vector<FieldText> fields;
    std::vector<std::string> boxes;

    void SetFieldText(int controlId, const std::string& text) override {
        fields.push_back({controlId, text});
    }
    void ShowMessage(const std::string& text, const std::string&, BoxOwner) override {
        boxes.push_back(text);
    }
    int PortSelection() override { return portSelection; }
    std::string SerialNumberText() override { return serialNumberText; }
    void BeginBusy() override {}
    void EndBusy() override {}
};

// Finds no library: the targets fill the entry-point table themselves.
class NoModuleLoader final : public ModuleLoader {
public:
    ModuleHandle Load(const char*) override { return nullptr; }
    AnyFunction Lookup(ModuleHandle, const char*) override { return nullptr; }
    void Release(ModuleHandle) override {}
};

}  // namespace fuzz
}  // namespace vantrel

#endif
