#include "Win32FileSystem.h"

#include <windows.h>

#include "TextConversion.h"

namespace orlog7emu {

namespace {

constexpr wchar_t kExtendedPrefix[] = L"\\\\?\\";
constexpr wchar_t kExtendedUncPrefix[] = L"\\\\?\\UNC\\";
constexpr wchar_t kDevicePrefix[] = L"\\\\.\\";
// Temporary files: "or7", eight hex digits, ".tmp". Short, so that the
// target may use the whole length a name can have.
constexpr wchar_t kTemporaryPrefix[] = L"or7";
constexpr wchar_t kTemporarySuffix[] = L".tmp";
constexpr size_t kTemporaryDigits = 8;
constexpr int kTemporaryTries = 64;
// An antivirus or indexer may hold a file open for a moment.
constexpr DWORD kRenameRetryMs = 50;
constexpr DWORD kRenameRetryTotalMs = 1000;

bool StartsWith(const std::wstring& text, const wchar_t* prefix) {
    return text.compare(0, std::char_traits<wchar_t>::length(prefix), prefix) == 0;
}

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

bool IsFolder(const std::wstring& systemPath) {
    const DWORD attributes = GetFileAttributesW(systemPath.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Only a file or folder that is not there, on a volume that is, is missing:
// a drive or share that is away for a moment is not a missing file.
ReadStatus OpenError(DWORD error, const std::wstring& systemPath) {
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
        return ReadStatus::OpenFailed;
    }
    const std::string root = PathRoot(WideToUtf8(systemPath));
    return !root.empty() && IsFolder(Utf8ToWide(root)) ? ReadStatus::NotFound
                                                       : ReadStatus::VolumeAway;
}

// Opens a file or folder to learn about it, even one another program holds
// without sharing.
HANDLE OpenAttributes(const std::wstring& systemPath) {
    return CreateFileW(systemPath.c_str(), FILE_READ_ATTRIBUTES,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

FileStamp StampOf(const BY_HANDLE_FILE_INFORMATION& info) {
    FileStamp stamp;
    stamp.volume = info.dwVolumeSerialNumber;
    stamp.index = uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow;
    stamp.writeTime =
        uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32 | info.ftLastWriteTime.dwLowDateTime;
    stamp.size = uint64_t{info.nFileSizeHigh} << 32 | info.nFileSizeLow;
    return stamp;
}

std::wstring TemporaryName(uint32_t number) {
    std::wstring name = kTemporaryPrefix;
    for (size_t shift = kTemporaryDigits * 4; shift != 0; shift -= 4) {
        name += L"0123456789abcdef"[(number >> (shift - 4)) & 0xF];
    }
    return name + kTemporarySuffix;
}

bool IsTemporaryName(const std::wstring& name) {
    const size_t prefix = std::char_traits<wchar_t>::length(kTemporaryPrefix);
    return name.size() == TemporaryName(0).size() && StartsWith(name, kTemporaryPrefix) &&
           name.compare(prefix + kTemporaryDigits, std::wstring::npos, kTemporarySuffix) == 0 &&
           name.find_first_not_of(L"0123456789abcdefABCDEF", prefix) == prefix + kTemporaryDigits;
}

// A new, empty temporary file in `folder` (which ends in a separator),
// open for writing only by us.
HANDLE CreateTemporary(const std::wstring& folder, std::wstring& path) {
    static uint32_t next = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (int tries = 0; tries < kTemporaryTries; ++tries) {
        path = folder + TemporaryName(next++);
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
}

bool WriteWhole(HANDLE file, const Bytes& data) {
    size_t done = 0;
    while (done < data.size()) {
        DWORD written = 0;
        const DWORD want = static_cast<DWORD>(data.size() - done);
        if (!::WriteFile(file, data.data() + done, want, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

// Replaces `to` by `from`; retries for about a second while another program
// holds `to` open.
bool MoveIntoPlace(const std::wstring& from, const std::wstring& to) {
    for (DWORD waited = 0;; waited += kRenameRetryMs) {
        if (MoveFileExW(from.c_str(), to.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        const DWORD error = GetLastError();
        const bool held = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                          (error == ERROR_ACCESS_DENIED && !IsFolder(to));
        if (!held || waited >= kRenameRetryTotalMs) {
            return false;
        }
        Sleep(kRenameRetryMs);
    }
}

}  // namespace

std::wstring SystemPath(const std::string& path) {
    std::wstring wide = Utf8ToWide(path);
    if (wide.empty() || StartsWith(wide, kExtendedPrefix)) {
        return wide;
    }
    std::wstring full(GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr), L'\0');
    const DWORD length =
        full.empty()
            ? 0
            : GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), &full[0], nullptr);
    if (length == 0 || length >= full.size()) {
        return std::wstring();
    }
    full.resize(length);
    if (StartsWith(full, kDevicePrefix)) {
        return full;
    }
    if (StartsWith(full, L"\\\\")) {
        return kExtendedUncPrefix + full.substr(2);
    }
    return full.size() >= 2 && full[1] == L':' ? kExtendedPrefix + full : full;
}

bool Win32FileSystem::IsDirectory(const std::string& path) const {
    const std::wstring name = SystemPath(path);
    return !name.empty() && IsFolder(name);
}

ReadStatus Win32FileSystem::ReadFile(const std::string& path, size_t maxBytes, Bytes& out,
                                     FileStamp* stamp) const {
    const std::wstring name = SystemPath(path);
    if (name.empty()) {
        return path.empty() ? ReadStatus::NotFound : ReadStatus::OpenFailed;
    }
    // Backup semantics open a folder too, which then says what it is.
    FileHandle file(CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) {
        return OpenError(GetLastError(), name);
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(file.Get(), &info)) {
        return ReadStatus::OpenFailed;
    }
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return ReadStatus::IsDirectory;
    }
    const FileStamp read = StampOf(info);
    if (read.size > maxBytes) {
        return ReadStatus::TooLarge;
    }
    out.resize(static_cast<size_t>(read.size));
    size_t done = 0;
    while (done < out.size()) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(out.size() - done);
        if (!::ReadFile(file.Get(), out.data() + done, want, &got, nullptr) || got == 0) {
            return ReadStatus::OpenFailed;
        }
        done += got;
    }
    if (stamp != nullptr) {
        *stamp = read;
    }
    return ReadStatus::Ok;
}

ReadStatus Win32FileSystem::Stamp(const std::string& path, FileStamp& stamp) const {
    const std::wstring name = SystemPath(path);
    if (name.empty()) {
        return ReadStatus::OpenFailed;
    }
    FileHandle file(OpenAttributes(name));
    if (!file.Valid()) {
        return OpenError(GetLastError(), name);
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(file.Get(), &info)) {
        return ReadStatus::OpenFailed;
    }
    stamp = StampOf(info);
    return ReadStatus::Ok;
}

bool Win32FileSystem::WriteFileAtomic(const std::string& path, const Bytes& data) {
    const std::wstring target = SystemPath(path);
    const size_t slash = target.find_last_of(L'\\');
    if (target.empty() || slash == std::wstring::npos) {
        return false;
    }
    std::wstring temporary;
    FileHandle file(CreateTemporary(target.substr(0, slash + 1), temporary));
    if (!file.Valid()) {
        return false;
    }
    // The flush makes the save durable before it replaces the old file.
    bool ok = WriteWhole(file.Get(), data) && FlushFileBuffers(file.Get());
    ok = file.Close() && ok;
    if (ok && MoveIntoPlace(temporary, target)) {
        return true;
    }
    DeleteFileW(temporary.c_str());
    return false;
}

void Win32FileSystem::RemoveLeftoverTemporaries(const std::string& folder) {
    std::wstring where = SystemPath(folder.empty() ? "." : folder);
    if (where.empty()) {
        return;
    }
    if (where.back() != L'\\') {
        where += L'\\';
    }
    WIN32_FIND_DATAW found;
    const HANDLE search =
        FindFirstFileExW((where + kTemporaryPrefix + L"*" + kTemporarySuffix).c_str(),
                         FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        // The pattern also meets short names: only the exact shape counts.
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
            IsTemporaryName(found.cFileName)) {
            DeleteFileW((where + found.cFileName).c_str());
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

RenameStatus Win32FileSystem::RenameFile(const std::string& from, const std::string& to) {
    const std::wstring source = SystemPath(from);
    const std::wstring target = SystemPath(to);
    if (source.empty() || target.empty()) {
        return RenameStatus::Failed;
    }
    if (MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
        return RenameStatus::Done;
    }
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? RenameStatus::TargetExists
                                                                       : RenameStatus::Failed;
}

bool Win32FileSystem::MakeDirectory(const std::string& path) {
    const std::wstring name = SystemPath(path);
    return !name.empty() && (CreateDirectoryW(name.c_str(), nullptr) || IsFolder(name));
}

}  // namespace orlog7emu
