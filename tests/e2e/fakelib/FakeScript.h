// The script that tells the recording fake library what to answer.
//
// A plain text file, read anew at every call, one setting a line:
//
//   <export name> <key> <value>
//
// key "result" is the code the export returns (0 when not given), key
// "delayMs" makes the call take that long, and any other key names one of the
// export's outputs. A value is a decimal number (written in the output's own
// width, little-endian), "hex:" followed by raw bytes (written as given, no
// terminator added, never past the output's size) or "text:" followed by the
// rest of the line (written with a terminating zero). An output the script
// does not mention is left untouched. Lines starting with '#' are comments.
#ifndef VANTREL_TESTS_E2E_FAKESCRIPT_H
#define VANTREL_TESTS_E2E_FAKESCRIPT_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fakelib {

struct ScriptValue {
    std::string key;
    bool isNumber = false;
    int64_t number = 0;
    std::vector<uint8_t> bytes;  // hex: and text: values
    mutable bool used = false;
};

// The lines of the script for one export.
class ExportScript {
public:
    // Reads `path` and keeps the lines for `exportName`. A missing file is an
    // empty script.
    ExportScript(const wchar_t* path, const char* exportName);

    const ScriptValue* Find(const char* key) const;
    int32_t Result() const;
    uint32_t DelayMs() const;

    // Writes the scripted value of `key` into `out` (at most `size` bytes).
    // Returns false when the script says nothing about it.
    bool WriteOutput(const char* key, void* out, std::size_t size) const;

    const std::string& Errors() const { return errors_; }
    // Keys never asked for: a misspelt output name, or one of another export.
    std::string UnusedKeys() const;

private:
    std::vector<ScriptValue> values_;
    std::string errors_;
};

}  // namespace fakelib

#endif
