// FileSystem on the wide-character Win32 calls, so that paths in any code
// page reach the right file.
#ifndef VANTREL_EMULATOR_EXPORTS_WIN32FILESYSTEM_H
#define VANTREL_EMULATOR_EXPORTS_WIN32FILESYSTEM_H

#include "FileSystem.h"

namespace orlog7emu {

class Win32FileSystem : public FileSystem {
public:
    bool IsDirectory(const std::string& path) const override;
    ReadStatus ReadFile(const std::string& path, size_t maxBytes, Bytes& out) const override;
    bool WriteFileAtomic(const std::string& path, const Bytes& data) override;
    bool RenameFile(const std::string& from, const std::string& to) override;
    bool SameFile(const std::string& a, const std::string& b) const override;
    bool CreateDirectories(const std::string& path) override;
};

}  // namespace orlog7emu

#endif
