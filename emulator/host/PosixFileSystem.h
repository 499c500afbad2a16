// FileSystem on POSIX calls, for the host tests and the host's fixture tool.
#ifndef VANTREL_EMULATOR_HOST_POSIXFILESYSTEM_H
#define VANTREL_EMULATOR_HOST_POSIXFILESYSTEM_H

#include "FileSystem.h"

namespace orlog7emu {

class PosixFileSystem : public FileSystem {
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

}  // namespace orlog7emu

#endif
