#include "Win32MachineLocks.h"

#include <initializer_list>
#include <string>

namespace orlog7emu {

namespace {

// Global\: one logger for the whole computer, whichever session runs the tool.
constexpr wchar_t kStateMutexName[] = L"Global\\Vantrel.ORLOG7Emulator.State";
constexpr wchar_t kPortNamePrefix[] = L"Global\\Vantrel.ORLOG7Emulator.COM";
// A holder that keeps the state longer than this is taken to be hung.
constexpr DWORD kStateLockTimeoutMs = 30000;

// Open to every user, so that another account's tool meets the same objects.
HANDLE CreateSharedMutex(const std::wstring& name) {
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, nullptr, FALSE);
    SECURITY_ATTRIBUTES attributes{sizeof attributes, &descriptor, FALSE};
    return CreateMutexW(&attributes, FALSE, name.c_str());
}

}  // namespace

Win32MachineLocks::~Win32MachineLocks() {
    for (HANDLE handle : {portHold_, stateMutex_}) {
        if (handle != nullptr) {
            CloseHandle(handle);
        }
    }
}

bool Win32MachineLocks::LockState() {
    if (stateMutex_ == nullptr) {
        stateMutex_ = CreateSharedMutex(kStateMutexName);
        if (stateMutex_ == nullptr) {
            return false;
        }
    }
    // Abandoned: its holder died; the state file is whole all the same, as
    // every save replaces it in one step.
    const DWORD waited = WaitForSingleObject(stateMutex_, kStateLockTimeoutMs);
    return waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

void Win32MachineLocks::UnlockState() {
    ReleaseMutex(stateMutex_);
}

bool Win32MachineLocks::HoldPort(uint8_t port) {
    if (portHold_ != nullptr) {
        return true;
    }
    const std::wstring name =
        kPortNamePrefix + std::to_wstring(port / 10) + std::to_wstring(port % 10);
    // The object lives while a handle to it is open: if it already exists,
    // another process holds the port. Callers hold the state lock, so two
    // cannot race here.
    HANDLE hold = CreateSharedMutex(name);
    if (hold == nullptr) {
        return false;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(hold);
        return false;
    }
    portHold_ = hold;
    return true;
}

void Win32MachineLocks::ReleasePort() {
    if (portHold_ != nullptr) {
        CloseHandle(portHold_);
        portHold_ = nullptr;
    }
}

}  // namespace orlog7emu
