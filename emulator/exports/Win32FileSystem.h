// FileSystem on the wide-character Win32 calls, so that paths in any code
// page reach the right file. Every path is made full (GetFullPathNameW:
// relative and drive-relative paths against the current folders) and then
// extended ("\\?\"), so that any length the system takes works; no call
// fills a buffer of a fixed size.
#ifndef VANTREL_EMULATOR_EXPORTS_WIN32FILESYSTEM_H
#define VANTREL_EMULATOR_EXPORTS_WIN32FILESYSTEM_H

#include <string>

#include "FileSystem.h"

namespace orlog7emu {

class Win32FileSystem : public FileSystem {
public:
    bool IsDirectory(const std::string& path) const override;
    ReadStatus ReadFile(const std::string& path, size_t maxBytes, Bytes& out,
                        FileStamp* stamp = nullptr) const override;
    ReadStatus Stamp(const std::string& path, FileStamp& stamp) const override;
    bool WriteFileAtomic(const std::string& path, const Bytes& data) override;
    void RemoveLeftoverTemporaries(const std::string& folder) override;
    RenameStatus RenameFile(const std::string& from, const std::string& to) override;

protected:
    bool MakeDirectory(const std::string& path) override;
};

// A UTF-8 path as the Win32 file calls take it: full and extended (a device
// path as it is); "" when there is none (an empty path, or one the system
// cannot make full).
std::wstring SystemPath(const std::string& path);

}  // namespace orlog7emu

#endif
