// The files the emulated library touches (state file, dump file, wave files,
// firmware image, its INI), behind an interface: Win32 wide-character calls in
// the DLL, POSIX calls on the host, an in-memory fake in tests.
// Paths are UTF-8.
#ifndef VANTREL_EMULATOR_CORE_FILESYSTEM_H
#define VANTREL_EMULATOR_CORE_FILESYSTEM_H

#include <cstddef>
#include <string>

#include "ByteIo.h"

namespace orlog7emu {

enum class ReadStatus {
    Ok,
    NotFound,     // no such file, or its folder does not exist
    IsDirectory,  // the path names a folder
    OpenFailed,   // exists but cannot be opened or read
    TooLarge,     // longer than the limit the caller gave
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool IsDirectory(const std::string& path) const = 0;
    // Reads the whole file; TooLarge when it holds more than maxBytes.
    virtual ReadStatus ReadFile(const std::string& path, size_t maxBytes, Bytes& out) const = 0;
    // Writes `data` to a temporary file with a short name of its own in the
    // folder of `path` and renames it into place, so `path` holds either its
    // old content or all of `data`, and any name legal there works.
    virtual bool WriteFileAtomic(const std::string& path, const Bytes& data) = 0;
    // Renames a file; false, changing nothing, when `to` exists or it fails.
    virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
    // True when both paths name one existing file, however they are spelt.
    virtual bool SameFile(const std::string& a, const std::string& b) const = 0;
    // Creates the folder and its missing parents; true when it exists after.
    virtual bool CreateDirectories(const std::string& path) = 0;
};

// Joins a folder and a file name with the folder's own kind of separator.
std::string JoinPath(const std::string& folder, const std::string& name);

// The folder part of a path ("" when there is none).
std::string ParentDirectory(const std::string& path);

}  // namespace orlog7emu

#endif
