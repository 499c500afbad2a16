#include "EmulatorInstance.h"

#include <memory>
#include <windows.h>
#include <shlobj.h>

#include "TextConversion.h"
#include "Win32Clock.h"
#include "Win32FileSystem.h"

namespace orlog7emu {

namespace {

constexpr char kIniName[] = "ORLOG7_DLL.ini";
constexpr size_t kMaxIniSize = 64 * 1024;

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

// The INI is plain text in the system code page, or UTF-8 with its mark.
EmulatorConfig ReadConfig(const FileSystem& fs, const std::string& folder) {
    Bytes bytes;
    if (folder.empty() ||
        fs.ReadFile(JoinPath(folder, kIniName), kMaxIniSize, bytes) != ReadStatus::Ok) {
        return EmulatorConfig();
    }
    std::string text(bytes.begin(), bytes.end());
    if (text.compare(0, 3, "\xEF\xBB\xBF") != 0) {
        text = CodePageToUtf8(text.c_str());
    }
    return ParseEmulatorConfig(text);
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
    EmulatorConfig config;
    std::unique_ptr<StateStore> store;
    std::unique_ptr<VirtualLogger> logger;
};

std::unique_ptr<Emulator> g_emulator;

}  // namespace

VirtualLogger& TheLogger() {
    if (!g_emulator) {
        std::unique_ptr<Emulator> emulator(new Emulator);
        const std::string folder = DllFolder();
        emulator->config = ReadConfig(emulator->fs, folder);
        emulator->store = std::make_unique<StateStore>(
            emulator->fs, ResolveStateFile(emulator->config, folder, DefaultStatePath(folder)));
        emulator->logger = std::make_unique<VirtualLogger>(emulator->config, emulator->clock,
                                                           emulator->fs, *emulator->store);
        g_emulator = std::move(emulator);
    }
    return *g_emulator->logger;
}

}  // namespace orlog7emu
