#include "EmulatorInstance.h"

#include <memory>
#include <windows.h>
#include <shlobj.h>

#include "TextConversion.h"
#include "Win32Clock.h"
#include "Win32FileSystem.h"
#include "Win32MachineLocks.h"

namespace orlog7emu {

namespace {

constexpr char kIniName[] = "ORLOG7_DLL.ini";
constexpr DWORD kFirstBufferLength = 256;  // grown for longer paths and values

std::string DllFolder() {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCWSTR>(&DllFolder), &module)) {
        return std::string();
    }
    // A path the buffer cannot hold comes back cut to its length.
    for (std::wstring path(kFirstBufferLength, L'\0');; path.resize(path.size() * 2)) {
        const DWORD length = GetModuleFileNameW(module, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0) {
            return std::string();
        }
        if (length < path.size()) {
            path.resize(length);
            return ParentDirectory(WideToUtf8(path));
        }
    }
}

// A value the buffer cannot hold comes back cut to its length less one.
std::wstring IniValue(const std::wstring& file, const std::wstring& section,
                      const std::wstring& key) {
    for (std::wstring value(kFirstBufferLength, L'\0');; value.resize(value.size() * 2)) {
        const DWORD length =
            GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", &value[0],
                                     static_cast<DWORD>(value.size()), file.c_str());
        if (length + 1 < value.size()) {
            value.resize(length);
            return value;
        }
    }
}

// Read with the system's own INI reader, so the file behaves as any other
// Windows INI file does; the core turns the texts into values.
EmulatorConfig ReadConfig(const std::string& folder) {
    EmulatorConfig config;
    if (folder.empty()) {
        return config;
    }
    const std::wstring file = Utf8ToWide(JoinPath(folder, kIniName));
    const std::wstring section = Utf8ToWide(kEmulatorSection);
    for (const char* name : kEmulatorSettingNames) {
        const std::wstring value = IniValue(file, section, Utf8ToWide(name));
        if (!value.empty()) {
            ApplyEmulatorSetting(config, name, WideToUtf8(value));
        }
    }
    return config;
}

// The user's own: %LOCALAPPDATA%\Vantrel\ORLOG7 Emulator\logger.state.
std::string DefaultStatePath(const std::string& dllFolder) {
    PWSTR localAppData = nullptr;
    std::string path = JoinPath(dllFolder, "ORLOG7_DLL.state");
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &localAppData))) {
        path = JoinPath(WideToUtf8(localAppData), "Vantrel\\ORLOG7 Emulator\\logger.state");
    }
    CoTaskMemFree(localAppData);
    return path;
}

struct Emulator {
    Win32Clock clock;
    Win32FileSystem fs;
    EmulatorConfig config;
    std::unique_ptr<StateStore> store;
    std::unique_ptr<Win32MachineLocks> locks;
    std::unique_ptr<VirtualLogger> logger;
};

std::unique_ptr<Emulator> g_emulator;
SRWLOCK g_exportLock = SRWLOCK_INIT;

}  // namespace

ExportLock::ExportLock() {
    AcquireSRWLockExclusive(&g_exportLock);
}

ExportLock::~ExportLock() {
    ReleaseSRWLockExclusive(&g_exportLock);
}

VirtualLogger& TheLogger() {
    if (!g_emulator) {
        std::unique_ptr<Emulator> emulator(new Emulator);
        const std::string folder = DllFolder();
        emulator->config = ReadConfig(folder);
        const std::string stateFile =
            ResolveStateFile(emulator->config, folder, DefaultStatePath(folder));
        emulator->store = std::make_unique<StateStore>(emulator->fs, stateFile);
        emulator->locks =
            std::make_unique<Win32MachineLocks>(emulator->fs, LockFilePath(stateFile));
        emulator->logger = std::make_unique<VirtualLogger>(
            emulator->config, emulator->clock, emulator->fs, *emulator->store, *emulator->locks);
        g_emulator = std::move(emulator);
    }
    return *g_emulator->logger;
}

}  // namespace orlog7emu
