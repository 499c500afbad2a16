// The logger emulator's DLL as any program may call it, loaded straight into
// the driver: paths of any length and form, a dump target another program
// holds open, leftovers of saves cut short, and the arguments in the order
// emulator/README.md checks them.
#include <windows.h>

#include <string>
#include <vector>

#include "AppSession.h"
#include "Text.h"
#include "devicelib/DeviceLibContract.h"

namespace {

constexpr Orlog7Port kPort = 5;

std::wstring Extended(const std::wstring& path) {
    return L"\\\\?\\" + path;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(Extended(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The names in a folder, "." and ".." aside.
std::vector<std::wstring> Names(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(Extended(folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

bool WriteFileOf(const std::wstring& path, const std::string& bytes) {
    const HANDLE file = CreateFileW(Extended(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool ok =
        file != INVALID_HANDLE_VALUE &&
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return ok;
}

// "<base>\bbb...\bbb...", `length` characters in all; made when `create`.
std::wstring FolderOfLength(const std::wstring& base, size_t length, bool create) {
    std::wstring folder = base;
    if (create)
        CreateDirectoryW(Extended(folder).c_str(), nullptr);
    while (folder.size() < length) {
        const size_t left = length - folder.size() - 1;
        const size_t name = left > 200 ? (left - 200 < 2 ? 190 : 200) : left;
        folder += L"\\" + std::wstring(name, L'b');
        if (create)
            CreateDirectoryW(Extended(folder).c_str(), nullptr);
    }
    return folder;
}

// One copy of the emulator's DLL, from a folder of its own whose INI puts the
// state file at `stateFile`; unloaded (its logger gone) at the end of scope.
class LoadedEmulator {
public:
    LoadedEmulator(e2e::CaseContext& ctx, const std::wstring& stateFile) {
        const std::wstring folder = ctx.NewScratchDir();
        const std::wstring dll = folder + L"\\ORLOG7_DLL.dll";
        ctx.Require(CopyFileW(ctx.Paths().emulatorDll.c_str(), dll.c_str(), FALSE) != FALSE,
                    "copy the emulator (--emulator)");
        ctx.Require(WriteFileOf(folder + L"\\ORLOG7_DLL.ini", "[Emulator]\r\nPort=5\r\nStateFile=" +
                                                                  e2e::Narrow(stateFile) + "\r\n"),
                    "write the INI");
        module_ = LoadLibraryW(dll.c_str());
        ctx.Require(module_ != nullptr, "load the emulator");
    }
    ~LoadedEmulator() { FreeLibrary(module_); }
    LoadedEmulator(const LoadedEmulator&) = delete;
    LoadedEmulator& operator=(const LoadedEmulator&) = delete;

    int32_t Into() { return Export<decltype(&KZ_ORLOG7_INTO_DUMP_MODE)>("INTO_DUMP_MODE")(kPort); }
    int32_t Exit() { return Export<decltype(&KZ_ORLOG7_EXIT_DUMP_MODE)>("EXIT_DUMP_MODE")(); }
    int32_t Erase() { return Export<decltype(&KZ_ORLOG7_ERASE_All_DB)>("ERASE_All_DB")(kPort); }
    int32_t Dump(const std::wstring& path) {
        const std::string narrow = e2e::Narrow(path);  // ASCII: as the system code page has it
        return Export<decltype(&KZ_ORLOG7_DUMP_DB)>("DUMP_DB")(kPort, narrow.c_str());
    }
    // The settings write with these intervals and vibration and no user-point table.
    int32_t SettingsWithoutUserPoints(int32_t timeInterval, uint8_t vibration) {
        return Export<decltype(&KZ_ORLOG7_SETTING_DEVICE)>("SETTING_DEVICE")(
            kPort, timeInterval, -1, vibration, 1, "g:\\abcd\\WaveFile", 0, nullptr, 10, 0, 8, 50);
    }

private:
    template <typename Fn>
    Fn Export(const char* name) {
        const std::string full = std::string("KZ_ORLOG7_") + name;
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, full.c_str())));
    }

    HMODULE module_ = nullptr;
};

struct HeldOpen {
    std::wstring path;
    DWORD forMs;
};

// Holds a file open without sharing, as an antivirus or indexer may, then lets go.
DWORD WINAPI HoldOpen(void* parameter) {
    const HeldOpen& held = *static_cast<const HeldOpen*>(parameter);
    const HANDLE file = CreateFileW(held.path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    Sleep(held.forMs);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return file != INVALID_HANDLE_VALUE ? 0 : 1;
}

}  // namespace

// Folders around the old limits (MAX_PATH - 14 for the temporary file, MAX_PATH)
// and well past them work; past what the system takes, the codes answer.
E2E_CASE(emulator_paths, folders_of_any_length) {
    const std::wstring base = ctx.NewScratchDir();
    LoadedEmulator dumping(ctx, base + L"\\logger.state");
    ctx.Require(dumping.Into() == 24, "into dump mode with the state beside the folders");
    for (size_t length : {247, 248, 259, 260, 300, 1000}) {
        const std::string what = std::to_string(length) + " characters";
        const std::wstring folder =
            FolderOfLength(base + L"\\" + std::to_wstring(length), length, true);
        ctx.Require(folder.size() == length && Exists(folder), what + ": the folder was made");

        ctx.ExpectEq(dumping.Dump(folder + L"\\123456.dat"), 2, what + ": dump into it");
        ctx.Expect(Names(folder) == std::vector<std::wstring>{L"123456.dat"},
                   what + ": the dump and nothing else in the folder");

        LoadedEmulator stateThere(ctx, folder + L"\\logger.state");
        ctx.ExpectEq(stateThere.Into(), 24, what + ": the state file in it");
        ctx.Expect(Exists(folder + L"\\logger.state"), what + ": the state file was saved");
        ctx.ExpectEq(stateThere.Exit(), 25, what + ": exit dump mode");
    }
    const std::wstring tooLong = FolderOfLength(base + L"\\long", 40000, false);
    ctx.ExpectEq(dumping.Dump(tooLong + L"\\123456.dat"), 6, "a dump past any length");
    LoadedEmulator stateTooLong(ctx, tooLong + L"\\logger.state");
    ctx.ExpectEq(stateTooLong.Into(), 4, "a state file past any length");
    ctx.ExpectEq(dumping.Exit(), 25, "exit dump mode");
}

// Relative and drive-relative paths are resolved before their folder is
// taken; leftovers of saves cut short go at the next change; a missing
// user-point table is checked at its place.
E2E_CASE(emulator_paths, path_forms_leftovers_and_argument_order) {
    const std::wstring stateFolder = ctx.NewScratchDir();
    const std::wstring work = ctx.NewScratchDir();
    ctx.Require(CreateDirectoryW((work + L"\\sub").c_str(), nullptr) != FALSE, "a subfolder");
    ctx.Require(GetFileAttributesW(L"g:\\") != INVALID_FILE_ATTRIBUTES,
                "drive g: (run_e2e.sh maps it)");
    for (const wchar_t* name : {L"or7deadbeef.tmp", L"or7-kept.tmp", L"notes.txt"})
        ctx.Require(WriteFileOf(stateFolder + L"\\" + name, "x"), "write a file beside the state");

    LoadedEmulator emulator(ctx, stateFolder + L"\\logger.state");
    ctx.ExpectEq(emulator.Into(), 24, "into dump mode");
    ctx.Expect(!Exists(stateFolder + L"\\or7deadbeef.tmp"), "the leftover is gone");
    ctx.Expect(Exists(stateFolder + L"\\or7-kept.tmp") && Exists(stateFolder + L"\\notes.txt"),
               "other files stay");

    // From a current folder on drive Z:, "g:name" is on drive g:.
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(work.c_str());
    ctx.ExpectEq(emulator.Dump(L"sub\\relative.dat"), 2, "a relative path");
    ctx.ExpectEq(emulator.Dump(L"g:drive-relative.dat"), 2, "a drive-relative path");
    SetCurrentDirectoryW(previous);
    ctx.Expect(Names(work + L"\\sub") == std::vector<std::wstring>{L"relative.dat"},
               "the relative dump, in the current folder's subfolder");
    ctx.Expect(Names(work) == std::vector<std::wstring>{L"sub"},
               "no temporary file left in the current folder");
    ctx.Expect(GetFileAttributesW(L"g:\\drive-relative.dat") != INVALID_FILE_ATTRIBUTES,
               "the drive-relative dump is on g:");

    ctx.ExpectEq(emulator.SettingsWithoutUserPoints(5000, 2), 19,
                 "no user-point table: the time interval comes first");
    ctx.ExpectEq(emulator.SettingsWithoutUserPoints(5, 1), 15,
                 "no user-point table: the vibration comes first");
    ctx.ExpectEq(emulator.Exit(), 25, "exit dump mode");
}

// A dump target another program holds open for a moment is replaced once it
// lets go; one held longer than about a second answers 6 and stays whole.
E2E_CASE(emulator_paths, dump_target_held_open) {
    const std::wstring folder = ctx.NewScratchDir();
    const std::wstring target = folder + L"\\123456.dat";
    LoadedEmulator emulator(ctx, folder + L"\\logger.state");
    ctx.Require(emulator.Into() == 24, "into dump mode");
    ctx.Require(emulator.Dump(target) == 2, "the first dump");

    for (const DWORD heldMs : {300u, 3000u}) {
        const std::string what = "held " + std::to_string(heldMs) + " ms";
        HeldOpen held{target, heldMs};
        const HANDLE holder = CreateThread(nullptr, 0, HoldOpen, &held, 0, nullptr);
        Sleep(50);  // the holder has it open
        const DWORD start = GetTickCount();
        const int32_t result = emulator.Dump(target);
        const DWORD took = GetTickCount() - start;
        WaitForSingleObject(holder, 10000);
        DWORD opened = 1;
        GetExitCodeThread(holder, &opened);
        CloseHandle(holder);
        ctx.Require(opened == 0, what + ": the file was held");
        if (heldMs < 1000) {
            ctx.ExpectEq(result, 2, what + ": replaced once let go");
        } else {
            ctx.ExpectEq(result, 6, what);
            ctx.Expect(took >= 900 && took < 2500,
                       what + ": gave up after " + std::to_string(took) + " ms");
        }
    }
    ctx.Expect(Names(folder).size() == 3, "the dump, the state and its lock file: no temporary");
    ctx.ExpectEq(emulator.Exit(), 25, "exit dump mode");
}
