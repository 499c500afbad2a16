// Loads and saves the logger's state file.
#ifndef VANTREL_EMULATOR_CORE_STATESTORE_H
#define VANTREL_EMULATOR_CORE_STATESTORE_H

#include <string>

#include "FileSystem.h"
#include "LoggerState.h"

namespace orlog7emu {

class StateStore {
public:
    StateStore(FileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}

    // The saved state; a factory-fresh logger when the file is missing,
    // unreadable or corrupt.
    LoggerState Load(int64_t now) const;

    // Replaces the file atomically (creating its folder); false when the
    // state could not be written, in which case the old file is untouched.
    bool Save(const LoggerState& state);

    const std::string& Path() const { return path_; }

private:
    FileSystem& fs_;
    std::string path_;
};

}  // namespace orlog7emu

#endif
