// The driver's side of the recording fake library: the script it answers
// from and the log of what it was called with (formats in
// fakelib/FakeScript.h and fakelib/CallRecord.h).
#ifndef VANTREL_TESTS_E2E_FAKELIBRARY_H
#define VANTREL_TESTS_E2E_FAKELIBRARY_H

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace e2e {

// Which library sits beside Vantrel.exe in a session.
enum class Library {
    None,      // no ORLOG7_DLL.dll at all
    Full,      // all fourteen exports
    Partial,   // only the names of fakelib/ORLOG7_DLL_partial.def
    Emulator,  // the logger emulator (--emulator); it writes no fake log
};

// The exports of the partial fake (keep in step with ORLOG7_DLL_partial.def).
bool PartialExports(const std::string& exportName);

// One line of the log.
struct LibraryEvent {
    std::string kind;  // attach, call, detach, error
    std::string name;  // the export, for calls
    std::map<std::string, std::string> fields;
    std::string line;  // as logged

    std::string Field(const std::string& key) const {
        auto it = fields.find(key);
        return it == fields.end() ? std::string("<absent>") : it->second;
    }
};

class FakeLibrary {
public:
    FakeLibrary() = default;
    void SetFiles(const std::wstring& scriptPath, const std::wstring& logPath);

    // Replaces the whole script; each line "<export> <key> <value>".
    void Script(const std::vector<std::string>& lines);
    // Replaces the whole script: `exportName` answers `result` and writes
    // `outputs` ("<key> <value>" each).
    void Answer(const std::string& exportName, int32_t result,
                const std::vector<std::string>& outputs = {});
    // Sets one export's result code, keeping other lines.
    void SetResult(const std::string& exportName, int result);
    void Set(const std::string& exportName, const std::string& key, const std::string& value);

    // Log lines not yet taken.
    std::vector<LibraryEvent> Take();
    // Every line since the session started.
    std::vector<LibraryEvent> All() const;

private:
    void Write();

    std::wstring scriptPath_;
    std::wstring logPath_;
    std::vector<std::string> lines_;
    size_t taken_ = 0;
};

// Only the calls among `events`.
std::vector<LibraryEvent> CallsOf(const std::vector<LibraryEvent>& events);

}  // namespace e2e

#endif
