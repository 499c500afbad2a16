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
constexpr size_t kMaxIniValueLength = 32768;  // a path of the longest kind

std::string DllFolder() {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCWSTR>(&DllFolder), &module)) {
        return std::string();
    }
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(module, &path[0], static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size()) {
        return std::string();
    }
    path.resize(length);
    return ParentDirectory(WideToUtf8(path));
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
    std::wstring value(kMaxIniValueLength, L'\0');
    for (const char* name : kEmulatorSettingNames) {
        const DWORD length =
            GetPrivateProfileStringW(section.c_str(), Utf8ToWide(name).c_str(), L"", &value[0],
                                     static_cast<DWORD>(value.size()), file.c_str());
        if (length != 0) {
            ApplyEmulatorSetting(config, name, WideToUtf8(value.substr(0, length)));
        }
    }
    return config;
}

std::string DefaultStatePath(const std::string& dllFolder) {
    wchar_t localAppData[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT,
                                   localAppData))) {
        return JoinPath(WideToUtf8(localAppData), "Vantrel\\ORLOG7 Emulator\\logger.state");
    }
    return JoinPath(dllFolder, "ORLOG7_DLL.state");
}

struct Emulator {
    Win32Clock clock;
    Win32FileSystem fs;
    Win32MachineLocks locks;
    EmulatorConfig config;
    std::unique_ptr<StateStore> store;
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
        emulator->store = std::make_unique<StateStore>(
            emulator->fs, ResolveStateFile(emulator->config, folder, DefaultStatePath(folder)));
        emulator->logger = std::make_unique<VirtualLogger>(
            emulator->config, emulator->clock, emulator->fs, *emulator->store, emulator->locks);
        g_emulator = std::move(emulator);
    }
    return *g_emulator->logger;
}

}  // namespace orlog7emu
