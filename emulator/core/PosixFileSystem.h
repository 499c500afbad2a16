// FileSystem on POSIX calls: the host tools and the host tests.
#ifndef VANTREL_EMULATOR_CORE_POSIXFILESYSTEM_H
#define VANTREL_EMULATOR_CORE_POSIXFILESYSTEM_H

#include "FileSystem.h"

namespace orlog7emu {

class PosixFileSystem : public FileSystem {
public:
    bool IsDirectory(const std::string& path) const override;
    ReadStatus ReadFile(const std::string& path, size_t maxBytes, Bytes& out) const override;
    bool WriteFileAtomic(const std::string& path, const Bytes& data) override;
    bool CreateDirectories(const std::string& path) override;
};

}  // namespace orlog7emu

#endif
