// The library search order: Vantrel takes the current directory out of it at
// start-up, so an ORLOG7_DLL.dll planted in the folder the tool is started
// from is not linked, while the one beside the exe still is.
#include "AppSession.h"
#include "Build.h"
#include "Files.h"
#include "tests/common/ExpectedResults.h"
#include "Text.h"

namespace {

// Without the tool's precaution, the default search order of this Windows
// (or Wine) would find a library in the current directory: the driver
// itself, started in `folder`, finds it there. References are not resolved,
// so the library's own start-up does not run in the driver.
bool FoundByDefaultSearchIn(const std::wstring& folder, std::wstring& foundAt) {
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(folder.c_str());
    HMODULE module = LoadLibraryExW(L"ORLOG7_DLL.dll", nullptr, DONT_RESOLVE_DLL_REFERENCES);
    SetCurrentDirectoryW(previous);
    if (module == nullptr)
        return false;
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(module, path, MAX_PATH);
    FreeLibrary(module);
    foundAt = path;
    return true;
}

}  // namespace

E2E_CASE(safe_loading, library_only_in_working_folder_is_not_linked) {
    e2e::LaunchOptions options;
    options.inWorkingDir = e2e::Library::Full;
    e2e::AppSession app(ctx, e2e::Library::None, options);
    const e2e::CommandOutcome outcome = app.Click(1001);
    ctx.Expect(outcome.returned, "the click returned");
    ctx.Require(outcome.boxes.size() == 1, "one box, got " + std::to_string(outcome.boxes.size()));
    ctx.ExpectEq(outcome.boxes[0].text, e2e::Widen(expected::kCannotLink), "text");
    app.ExpectResultBox(1013, expected::kResultCaption, expected::kPleaseLink, "into dump mode");
    ctx.Expect(app.Fake().All().empty(), "the planted library was never loaded");

    std::wstring foundAt;
    ctx.Expect(FoundByDefaultSearchIn(app.WorkingDir(), foundAt),
               "the default search order would have found the planted library");
    ctx.ExpectEq(foundAt, app.WorkingDir() + L"\\ORLOG7_DLL.dll", "found in the working folder");
}

// The one beside the exe is linked, not the partial one in the working folder.
E2E_CASE(safe_loading, library_beside_exe_is_linked) {
    e2e::LaunchOptions options;
    options.inWorkingDir = e2e::Library::Partial;
    e2e::AppSession app(ctx, e2e::Library::Full, options);
    app.Link();
    app.Fake().SetResult("KZ_ORLOG7_ERASE_All_DB", 13);  // not exported by the partial library
    app.ExpectResultBox(1003, 13, "erase");
    const std::vector<e2e::LibraryEvent> calls = e2e::CallsOf(app.Fake().Take());
    ctx.Expect(calls.size() == 1 && calls[0].name == "KZ_ORLOG7_ERASE_All_DB", "erase called once");
}

// A library that cannot be loaded gets the program's own answer and no box of
// the system's ("bad image"), whatever the reason: damaged, or whole and sound
// but of the other build (64-bit beside the 32-bit program, 32-bit beside the
// 64-bit one). Nothing of it runs, and the program goes on unlinked.
E2E_CASE(safe_loading, unloadable_library_gives_one_box) {
    std::string library;
    ctx.Require(e2e::ReadWholeFile(ctx.Paths().fakesDir + L"\\fake_orlog7_full.dll", library) &&
                    library.size() > 4096,
                "the fake library to damage was read");
    const size_t peHeader =
        static_cast<unsigned char>(library[0x3C]) | static_cast<unsigned char>(library[0x3D]) << 8;
    ctx.Require(library.compare(peHeader, 4, std::string("PE\0\0", 4)) == 0, "a PE image");
    // The machine field says x64 (0x8664) in a 32-bit image, i386 (0x14c) in a 64-bit one.
    std::string otherMachine = library;
    otherMachine[peHeader + 4] = e2e::kArgumentSlots ? '\x64' : '\x4c';
    otherMachine[peHeader + 5] = e2e::kArgumentSlots ? '\x86' : '\x01';
    std::string otherBuild;
    ctx.Require(!ctx.Paths().otherMachineFake.empty() &&
                    e2e::ReadWholeFile(ctx.Paths().otherMachineFake, otherBuild),
                "the other build's fake library was read (" +
                    e2e::Narrow(ctx.Paths().otherMachineFake) +
                    "; scripts/build builds both Windows presets)");
    const struct {
        const char* what;
        std::string bytes;
    } unloadable[] = {
        {"not an image", "This is not a library.\r\n"},
        {"cut short", library.substr(0, 4096)},
        {"for another machine", otherMachine},
        {"of the other build", otherBuild},
    };
    for (const auto& u : unloadable) {
        const std::string what = u.what;
        e2e::LaunchOptions options;
        options.besideExe.push_back({L"ORLOG7_DLL.dll", u.bytes});
        e2e::AppSession app(ctx, e2e::Library::None, options);
        const e2e::CommandOutcome outcome = app.Click(1001);
        ctx.Expect(outcome.returned, what + ": the click returned");
        if (ctx.ExpectEq(outcome.boxes.size(), 1u, what + ": boxes"))
            ctx.ExpectEq(outcome.boxes[0].text, e2e::Widen(expected::kCannotLink), what);
        ctx.Expect(app.Fake().All().empty(), what + ": nothing of the library ran");
        app.ExpectResultBox(1013, expected::kResultCaption, expected::kPleaseLink, what);
        ctx.Expect(!app.Exited(), what + ": the program still runs");
    }
}
