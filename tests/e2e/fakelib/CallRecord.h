// One call of the recording fake library: loads the export's script, writes
// its outputs, and appends one line describing the call to the log.
//
// Log lines (one per event, fields separated by blanks, no blanks inside a
// field):
//   attach
//   call <export> slots=<hex slot>,... <name>=<value> ... result=<code>
//   detach by=FreeLibrary|process-exit
//   error <what>
// Scalars are decimal, texts and byte tables are "hex:" and their bytes
// (texts up to, not including, their zero), and for each number output
// "<name>.in=hex:..." gives the bytes the caller had put there.
#ifndef VANTREL_TESTS_E2E_CALLRECORD_H
#define VANTREL_TESTS_E2E_CALLRECORD_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "FakeScript.h"

namespace fakelib {

// Appends one line to the log named by the environment.
void AppendLogLine(const std::string& line);

class CallRecord {
public:
    // `slots` points to the export's first 4-byte argument slot; null where
    // the arguments travel in registers (x64), logged as "????????" each.
    CallRecord(const char* exportName, const uint32_t* slots, std::size_t slotCount);

    void Number(const char* name, int64_t value);
    void Text(const char* name, const char* text);
    void Bytes(const char* name, const void* data, std::size_t size);
    // An output: logs what the caller left there, then writes the scripted value.
    void NumberOutput(const char* name, void* out, std::size_t size);
    // A buffer output: writes the scripted bytes, at most `size` of them.
    void BufferOutput(const char* name, void* out, std::size_t size);

    // Waits the scripted delay, logs the call and returns the scripted code.
    int32_t Finish();

private:
    ExportScript script_;
    std::string line_;
};

}  // namespace fakelib

#endif
