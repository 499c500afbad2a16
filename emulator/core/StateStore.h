// Loads and saves the logger's state file. Loading never writes; only a
// change sets a bad file aside, so a file that could not be read is never
// replaced by a fresh logger.
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
    Unreadable,  // exists but cannot be read (locked, I/O error): no state
};

class StateStore {
public:
    StateStore(FileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}

    // Reads the file into `state` (factory-fresh at `now` when Missing or
    // Invalid, untouched when Unreadable).
    StateFile Load(int64_t now, LoggerState& state) const;

    // Loads the state a change starts from: an invalid file is first renamed
    // to `<path>.bad-<UTC time>`. False, touching nothing, when the file is
    // unreadable or cannot be set aside.
    bool LoadForChange(int64_t now, LoggerState& state);

    // Replaces the file atomically (creating its folder); false when the
    // state could not be written, in which case the old file is untouched.
    bool Save(const LoggerState& state);

    const std::string& Path() const { return path_; }

private:
    bool SetAside(int64_t now);

    FileSystem& fs_;
    std::string path_;
};

// "<path>.bad-20260528T202640Z": where a bad state file is kept for a look.
std::string SetAsidePath(const std::string& path, int64_t now);

}  // namespace orlog7emu

#endif
