#include "Win32MachineLocks.h"

#include "Win32FileSystem.h"

namespace orlog7emu {

namespace {

constexpr DWORD kStateByte = 0;
// A holder that keeps the state longer than this is taken to be hung.
constexpr DWORD kStateLockTimeoutMs = 30000;
constexpr DWORD kStateLockPollMs = 5;

}  // namespace

std::string LockFilePath(const std::string& stateFile) {
    return stateFile + ".lock";
}

Win32MachineLocks::~Win32MachineLocks() {
    if (file_ != INVALID_HANDLE_VALUE) {
        CloseHandle(file_);
    }
}

bool Win32MachineLocks::Open() {
    if (file_ != INVALID_HANDLE_VALUE) {
        return true;
    }
    const std::string folder = ParentDirectory(path_);
    const std::wstring name = SystemPath(path_);
    if (name.empty() || (!folder.empty() && !fs_.CreateDirectories(folder))) {
        return false;
    }
    file_ = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file_ != INVALID_HANDLE_VALUE;
}

bool Win32MachineLocks::LockByte(DWORD offset, DWORD flags) {
    OVERLAPPED at{};
    at.Offset = offset;
    return LockFileEx(file_, flags | LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &at) != 0;
}

void Win32MachineLocks::UnlockByte(DWORD offset) {
    OVERLAPPED at{};
    at.Offset = offset;
    UnlockFileEx(file_, 0, 1, 0, &at);
}

// Polled: a lock that waits with a time-out needs asynchronous file calls.
bool Win32MachineLocks::LockState() {
    if (!Open()) {
        return false;
    }
    const DWORD start = GetTickCount();
    while (!LockByte(kStateByte, LOCKFILE_FAIL_IMMEDIATELY)) {
        if (GetLastError() != ERROR_LOCK_VIOLATION) {
            if (heldPort_ == 0) {  // the handle may have gone with its volume: open anew next time
                CloseHandle(file_);
                file_ = INVALID_HANDLE_VALUE;
            }
            return false;
        }
        if (GetTickCount() - start >= kStateLockTimeoutMs) {
            return false;
        }
        Sleep(kStateLockPollMs);
    }
    return true;
}

void Win32MachineLocks::UnlockState() {
    UnlockByte(kStateByte);
}

// Callers hold the state lock, so two cannot race here.
bool Win32MachineLocks::HoldPort(uint8_t port) {
    if (heldPort_ != 0) {
        return true;
    }
    if (!Open() || !LockByte(port, LOCKFILE_FAIL_IMMEDIATELY)) {
        return false;  // another program holds it
    }
    heldPort_ = port;
    return true;
}

void Win32MachineLocks::ReleasePort() {
    if (heldPort_ != 0) {
        UnlockByte(heldPort_);
        heldPort_ = 0;
    }
}

}  // namespace orlog7emu
