#include "PosixFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace orlog7emu {

bool PosixFileSystem::IsDirectory(const std::string& path) const {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

ReadStatus PosixFileSystem::ReadFile(const std::string& path, size_t maxBytes, Bytes& out) const {
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) {
        return errno == ENOENT || errno == ENOTDIR ? ReadStatus::NotFound : ReadStatus::OpenFailed;
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
    }
    close(fd);
    return status;
}

bool PosixFileSystem::WriteFileAtomic(const std::string& path, const Bytes& data) {
    const std::string folder = ParentDirectory(path);
    std::string temporary = JoinPath(folder.empty() ? "." : folder, ".or7-XXXXXX");
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

bool PosixFileSystem::RenameFile(const std::string& from, const std::string& to) {
    // A hard link fails when `to` exists, where rename would replace it.
    if (link(from.c_str(), to.c_str()) != 0) {
        return false;
    }
    if (unlink(from.c_str()) != 0) {
        unlink(to.c_str());
        return false;
    }
    return true;
}

bool PosixFileSystem::SameFile(const std::string& a, const std::string& b) const {
    struct stat first {};
    struct stat second {};
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool PosixFileSystem::CreateDirectories(const std::string& path) {
    if (path.empty() || IsDirectory(path)) {
        return true;
    }
    const std::string parent = ParentDirectory(path);
    if (!parent.empty() && parent != path && !CreateDirectories(parent)) {
        return false;
    }
    return mkdir(path.c_str(), 0755) == 0 || (errno == EEXIST && IsDirectory(path));
}

}  // namespace orlog7emu
