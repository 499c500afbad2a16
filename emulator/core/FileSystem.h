// The files the emulated library touches (state file, dump file, wave files,
// firmware image, its INI), behind an interface: Win32 wide-character calls in
// the DLL, POSIX calls on the host, an in-memory fake in tests.
// Paths are UTF-8, of any length: what the platform cannot open fails.
#ifndef VANTREL_EMULATOR_CORE_FILESYSTEM_H
#define VANTREL_EMULATOR_CORE_FILESYSTEM_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "ByteIo.h"

namespace orlog7emu {

enum class ReadStatus {
    Ok,
    NotFound,     // no such file, or its folder does not exist, on a volume that is there
    VolumeAway,   // the path's drive or share is not there (a stick pulled out, a share away)
    IsDirectory,  // the path names a folder
    OpenFailed,   // exists but cannot be opened or read
    TooLarge,     // longer than the limit the caller gave
};

enum class RenameStatus {
    Done,
    TargetExists,  // nothing changed
    Failed,        // nothing changed
};

// Which version of a file a path holds: its identity on its volume, its
// last write and its size. A file replaced or written since has another.
struct FileStamp {
    uint64_t volume = 0;
    uint64_t index = 0;
    uint64_t writeTime = 0;
    uint64_t size = 0;
};

inline bool operator==(const FileStamp& a, const FileStamp& b) {
    return a.volume == b.volume && a.index == b.index && a.writeTime == b.writeTime &&
           a.size == b.size;
}

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool IsDirectory(const std::string& path) const = 0;
    // Reads the whole file and, when `stamp` is given, the stamp of what was
    // read; TooLarge when it holds more than maxBytes.
    virtual ReadStatus ReadFile(const std::string& path, size_t maxBytes, Bytes& out,
                                FileStamp* stamp = nullptr) const = 0;
    // The stamp of the file as it is now, without reading it.
    virtual ReadStatus Stamp(const std::string& path, FileStamp& stamp) const = 0;
    // Writes `data` to a temporary file with a short name of its own in the
    // folder of `path` and renames it into place, so `path` holds either its
    // old content or all of `data`, and any name legal there works.
    virtual bool WriteFileAtomic(const std::string& path, const Bytes& data) = 0;
    // Removes the temporary files of WriteFileAtomic calls that were cut
    // short (the process was killed) from `folder`. Call only where no other
    // write into the folder can be under way.
    virtual void RemoveLeftoverTemporaries(const std::string& folder) = 0;
    // Renames a file; never replaces an existing `to`.
    virtual RenameStatus RenameFile(const std::string& from, const std::string& to) = 0;
    // True when both paths name one existing file, however they are spelt:
    // their stamps name one file on one volume.
    bool SameFile(const std::string& a, const std::string& b) const;
    // Creates the folder and its missing parents; true when it exists after.
    bool CreateDirectories(const std::string& path);

protected:
    // Creates one folder whose parent exists; true when it exists after.
    // (Not "CreateDirectory": <windows.h> makes that name a macro.)
    virtual bool MakeDirectory(const std::string& path) = 0;
};

// Joins a folder and a file name with the folder's own kind of separator.
std::string JoinPath(const std::string& folder, const std::string& name);

// The root of a path, which has no parent: "/", "\", "C:", "C:\",
// "\\server\share\", "\\?\C:\", "\\?\UNC\server\share\"; "" for a relative path.
std::string PathRoot(const std::string& path);

// The folder part of a path ("" when there is none; a root has none):
// "C:\a\b" gives "C:\a", "C:\a" gives "C:\", "g:a" gives "g:", "/a" gives "/".
std::string ParentDirectory(const std::string& path);

}  // namespace orlog7emu

#endif
