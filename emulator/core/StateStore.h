// Loads and saves the logger's state file. Loading never writes; only a
// change sets a bad file aside, so a file that could not be read is never
// replaced by a fresh logger.
//
// The state read last is kept: while the file's stamp (identity, last write,
// size) stays the same, it is not read again. Call every member under the
// state lock, so that the stamp seen is the file's.
#ifndef VANTREL_EMULATOR_CORE_STATESTORE_H
#define VANTREL_EMULATOR_CORE_STATESTORE_H

#include <string>

#include "FileSystem.h"
#include "LoggerState.h"

namespace orlog7emu {

enum class StateFile {
    Loaded,      // the saved state
    Missing,     // no file yet: a factory-fresh logger
    Invalid,     // read, but not a state the logger could hold: factory-fresh
    Unreadable,  // exists but cannot be read (locked, I/O error, volume away): no state
};

class StateStore {
public:
    StateStore(FileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}

    // The state as the file holds it (factory-fresh at `now` when Missing or
    // Invalid); null when Unreadable. Valid until the next call.
    const LoggerState* Load(int64_t now, StateFile* status = nullptr);

    // The state a change starts from, to be changed in place and then saved
    // or dropped: an invalid file is first renamed to `<path>.bad-<UTC time>`,
    // and leftovers of saves cut short are removed. Null, touching nothing,
    // when the file is unreadable or cannot be set aside.
    LoggerState* LoadForChange(int64_t now);

    // Replaces the file atomically (creating its folder); false when the
    // state could not be written, in which case the old file is untouched.
    bool Save(const LoggerState& state);

    // Forgets the state read last: a change that was not saved.
    void Drop() { kept_ = false; }

    const std::string& Path() const { return path_; }

private:
    bool SetAside(int64_t now);

    FileSystem& fs_;
    std::string path_;
    LoggerState state_;
    FileStamp stamp_;
    bool kept_ = false;  // state_ is what the file with stamp_ holds
};

// "<path>.bad-20260528T202640Z": where a bad state file is kept for a look.
std::string SetAsidePath(const std::string& path, int64_t now);

}  // namespace orlog7emu

#endif
