#include "PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace orlog7emu {

namespace {

// mkstemp's "XXXXXX" after the prefix.
constexpr char kTemporaryPrefix[] = ".or7-";
constexpr size_t kTemporaryNameLength = sizeof kTemporaryPrefix - 1 + 6;

ReadStatus OpenError(int error) {
    return error == ENOENT || error == ENOTDIR ? ReadStatus::NotFound : ReadStatus::OpenFailed;
}

FileStamp StampOf(const struct stat& info) {
    FileStamp stamp;
    stamp.volume = static_cast<uint64_t>(info.st_dev);
    stamp.index = static_cast<uint64_t>(info.st_ino);
    stamp.writeTime = static_cast<uint64_t>(info.st_mtim.tv_sec) * 1000000000u +
                      static_cast<uint64_t>(info.st_mtim.tv_nsec);
    stamp.size = static_cast<uint64_t>(info.st_size);
    return stamp;
}

}  // namespace

bool PosixFileSystem::IsDirectory(const std::string& path) const {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

ReadStatus PosixFileSystem::ReadFile(const std::string& path, size_t maxBytes, Bytes& out,
                                     FileStamp* stamp) const {
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) {
        return OpenError(errno);
    }
    struct stat info {};
    ReadStatus status = ReadStatus::Ok;
    if (fstat(fd, &info) != 0) {
        status = ReadStatus::OpenFailed;
    } else if (S_ISDIR(info.st_mode)) {
        status = ReadStatus::IsDirectory;
    } else if (static_cast<unsigned long long>(info.st_size) > maxBytes) {
        status = ReadStatus::TooLarge;
    } else {
        out.resize(static_cast<size_t>(info.st_size));
        size_t done = 0;
        while (done < out.size()) {
            const ssize_t n = read(fd, out.data() + done, out.size() - done);
            if (n <= 0) {
                status = ReadStatus::OpenFailed;
                break;
            }
            done += static_cast<size_t>(n);
        }
        if (stamp != nullptr) {
            *stamp = StampOf(info);
        }
    }
    close(fd);
    return status;
}

ReadStatus PosixFileSystem::Stamp(const std::string& path, FileStamp& stamp) const {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return OpenError(errno);
    }
    stamp = StampOf(info);
    return ReadStatus::Ok;
}

bool PosixFileSystem::WriteFileAtomic(const std::string& path, const Bytes& data) {
    const std::string folder = ParentDirectory(path);
    std::string temporary =
        JoinPath(folder.empty() ? "." : folder, std::string(kTemporaryPrefix) + "XXXXXX");
    const int fd = mkstemp(&temporary[0]);
    if (fd < 0) {
        return false;
    }
    size_t done = 0;
    bool ok = fchmod(fd, 0644) == 0;
    while (ok && done < data.size()) {
        const ssize_t n = write(fd, data.data() + done, data.size() - done);
        ok = n > 0;
        if (ok) {
            done += static_cast<size_t>(n);
        }
    }
    ok = ok && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (ok && std::rename(temporary.c_str(), path.c_str()) == 0) {
        return true;
    }
    std::remove(temporary.c_str());
    return false;
}

void PosixFileSystem::RemoveLeftoverTemporaries(const std::string& folder) {
    const std::string where = folder.empty() ? "." : folder;
    DIR* dir = opendir(where.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() == kTemporaryNameLength && name.rfind(kTemporaryPrefix, 0) == 0) {
            unlink(JoinPath(where, name).c_str());
        }
    }
    closedir(dir);
}

RenameStatus PosixFileSystem::RenameFile(const std::string& from, const std::string& to) {
    // A hard link fails when `to` exists, where rename would replace it.
    if (link(from.c_str(), to.c_str()) != 0) {
        return errno == EEXIST ? RenameStatus::TargetExists : RenameStatus::Failed;
    }
    if (unlink(from.c_str()) != 0) {
        unlink(to.c_str());
        return RenameStatus::Failed;
    }
    return RenameStatus::Done;
}

bool PosixFileSystem::MakeDirectory(const std::string& path) {
    return mkdir(path.c_str(), 0755) == 0 || (errno == EEXIST && IsDirectory(path));
}

}  // namespace orlog7emu
