#include "Win32FileSystem.h"

#include <windows.h>

#include "TextConversion.h"

namespace orlog7emu {

namespace {

// Closes a file handle on every way out.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close() {
        if (!Valid()) {
            return true;
        }
        const bool ok = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE handle_;
};

bool IsMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
           error == ERROR_INVALID_NAME || error == ERROR_INVALID_DRIVE ||
           error == ERROR_BAD_NETPATH || error == ERROR_NOT_READY;
}

}  // namespace

bool Win32FileSystem::IsDirectory(const std::string& path) const {
    if (path.empty()) {
        return false;
    }
    const DWORD attributes = GetFileAttributesW(Utf8ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

ReadStatus Win32FileSystem::ReadFile(const std::string& path, size_t maxBytes, Bytes& out) const {
    if (path.empty()) {
        return ReadStatus::NotFound;
    }
    if (IsDirectory(path)) {
        return ReadStatus::IsDirectory;
    }
    FileHandle file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return IsMissing(GetLastError()) ? ReadStatus::NotFound : ReadStatus::OpenFailed;
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size)) {
        return ReadStatus::OpenFailed;
    }
    if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        return ReadStatus::TooLarge;
    }
    out.resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < out.size()) {
        DWORD read = 0;
        const DWORD want = static_cast<DWORD>(out.size() - done);
        if (!::ReadFile(file.Get(), out.data() + done, want, &read, nullptr) || read == 0) {
            return ReadStatus::OpenFailed;
        }
        done += read;
    }
    return ReadStatus::Ok;
}

bool Win32FileSystem::WriteFileAtomic(const std::string& path, const Bytes& data) {
    if (path.empty()) {
        return false;
    }
    const std::wstring target = Utf8ToWide(path);
    const std::string folder = ParentDirectory(path);
    // A short name of the system's making, so the target may use the whole
    // length a name can have.
    wchar_t temporary[MAX_PATH];
    if (GetTempFileNameW(Utf8ToWide(folder.empty() ? "." : folder).c_str(), L"or7", 0, temporary) ==
        0) {
        return false;
    }
    bool ok = false;
    {
        FileHandle file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        size_t done = 0;
        ok = file.Valid();
        while (ok && done < data.size()) {
            DWORD written = 0;
            const DWORD want = static_cast<DWORD>(data.size() - done);
            ok = ::WriteFile(file.Get(), data.data() + done, want, &written, nullptr) &&
                 written != 0;
            done += written;
        }
        ok = ok && FlushFileBuffers(file.Get());
        ok = file.Close() && ok;
    }
    if (ok && MoveFileExW(temporary, target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileW(temporary);
    return false;
}

bool Win32FileSystem::RenameFile(const std::string& from, const std::string& to) {
    return !from.empty() && !to.empty() &&
           MoveFileExW(Utf8ToWide(from).c_str(), Utf8ToWide(to).c_str(), MOVEFILE_WRITE_THROUGH);
}

bool Win32FileSystem::SameFile(const std::string& a, const std::string& b) const {
    // Attributes only: opens even a file another program holds without sharing.
    auto identify = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
        if (path.empty()) {
            return false;
        }
        FileHandle file(CreateFileW(Utf8ToWide(path).c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        return file.Valid() && GetFileInformationByHandle(file.Get(), &info);
    };
    BY_HANDLE_FILE_INFORMATION first;
    BY_HANDLE_FILE_INFORMATION second;
    return identify(a, first) && identify(b, second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh &&
           first.nFileIndexLow == second.nFileIndexLow;
}

bool Win32FileSystem::CreateDirectories(const std::string& path) {
    if (path.empty() || IsDirectory(path)) {
        return true;
    }
    const std::string parent = ParentDirectory(path);
    if (!parent.empty() && parent != path && !CreateDirectories(parent)) {
        return false;
    }
    return CreateDirectoryW(Utf8ToWide(path).c_str(), nullptr) || IsDirectory(path);
}

}  // namespace orlog7emu
