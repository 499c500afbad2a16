// The end-to-end driver: runs the registered cases of the groups named on
// its command line against a built Vantrel.exe and the fake libraries.
//
//   vantrel_e2e --app PATH --fakes DIR --scratch DIR [--emulator DLL]
//               [--fixtures EXE] [--other-machine-fake DLL] [--list]
//               [--timeout S] GROUP|GROUP.CASE...
//   vantrel_e2e --attach --scratch DIR [--timeout S] GROUP|GROUP.CASE...
//
// --attach: the sessions drive a Vantrel started by someone else (each
// session the next one to open its window) instead of starting one.
// Paths may be Linux paths (taken as drive Z:). Ends with the line
// "N passed, N failed" and exit code 0 only when every case passed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Build.h"
#include "CaseContext.h"
#include "Text.h"

namespace e2e {
void KillCurrentProgram();
}

namespace {

DWORD g_timeoutSeconds = 240;

// Ends the driver (and the program it drives) whatever else is stuck.
DWORD WINAPI Watchdog(LPVOID) {
    Sleep(g_timeoutSeconds * 1000);
    std::printf("driver time-out after %lu s\n", static_cast<unsigned long>(g_timeoutSeconds));
    std::fflush(stdout);
    e2e::KillCurrentProgram();
    ExitProcess(3);
}

// A fault in the driver ends it (and the program) with a message, instead
// of leaving a debugger waiting.
LONG WINAPI OnCrash(EXCEPTION_POINTERS* info) {
    std::printf("driver crashed: exception %08lx\n",
                static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode));
    std::fflush(stdout);
    e2e::KillCurrentProgram();
    ExitProcess(4);
}

bool Selected(const e2e::CaseEntry& entry, const std::vector<std::string>& patterns) {
    const std::string full = std::string(entry.group) + "." + entry.name;
    for (const std::string& pattern : patterns) {
        if (pattern == entry.group || pattern == full)
            return true;
    }
    return false;
}

void Usage() {
    std::printf(
        "usage: vantrel_e2e --app PATH --fakes DIR --scratch DIR [--emulator DLL] [--fixtures "
        "EXE]\n"
        "                   [--other-machine-fake DLL] [--list] [--timeout S] GROUP[.CASE]...\n"
        "       vantrel_e2e --attach --scratch DIR [--timeout S] GROUP[.CASE]...\n");
}

}  // namespace

int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IONBF, 0);
    e2e::RigPaths paths;
    std::vector<std::string> patterns;
    bool list = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--app" && hasValue) {
            paths.app = e2e::WindowsPath(argv[++i]);
        } else if (arg == "--fakes" && hasValue) {
            paths.fakesDir = e2e::WindowsPath(argv[++i]);
        } else if (arg == "--scratch" && hasValue) {
            paths.scratchRoot = e2e::WindowsPath(argv[++i]);
        } else if (arg == "--emulator" && hasValue) {
            paths.emulatorDll = e2e::WindowsPath(argv[++i]);
        } else if (arg == "--fixtures" && hasValue) {
            paths.fixturesExe = e2e::WindowsPath(argv[++i]);
        } else if (arg == "--other-machine-fake" && hasValue) {
            paths.otherMachineFake = e2e::WindowsPath(argv[++i]);
        } else if (arg == "--timeout" && hasValue) {
            g_timeoutSeconds = static_cast<DWORD>(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--attach") {
            paths.attach = true;
        } else if (arg == "--list") {
            list = true;
        } else if (!arg.empty() && arg[0] != '-') {
            patterns.push_back(arg);
        } else {
            Usage();
            return 2;
        }
    }
    if (list) {
        for (const e2e::CaseEntry& entry : e2e::RegisteredCases()) {
            std::printf("%s.%s\n", entry.group, entry.name);
        }
        return 0;
    }
    const bool startsPrograms = !paths.attach;
    if ((startsPrograms && (paths.app.empty() || paths.fakesDir.empty())) ||
        paths.scratchRoot.empty() || patterns.empty()) {
        Usage();
        return 2;
    }
    std::printf("%s\n", e2e::kBuildDescription);
    SetUnhandledExceptionFilter(&OnCrash);
    CreateThread(nullptr, 0, &Watchdog, nullptr, 0, nullptr);

    int passed = 0;
    int failed = 0;
    long checks = 0;
    for (const e2e::CaseEntry& entry : e2e::RegisteredCases()) {
        if (!Selected(entry, patterns))
            continue;
        const std::string name = std::string(entry.group) + "." + entry.name;
        std::printf("[ RUN      ] %s\n", name.c_str());
        const DWORD start = GetTickCount();
        e2e::CaseContext ctx(paths, name);
        try {
            entry.run(ctx);
        } catch (const e2e::CaseAbort&) {
            // Already recorded as a failure.
        }
        const unsigned long elapsed = GetTickCount() - start;
        checks += ctx.Checks();
        if (ctx.Failures() == 0) {
            ++passed;
            std::printf("[       OK ] %s (%d checks, %lu ms)\n", name.c_str(), ctx.Checks(),
                        elapsed);
        } else {
            ++failed;
            std::printf("[  FAILED  ] %s (%d checks, %lu ms)\n", name.c_str(), ctx.Checks(),
                        elapsed);
        }
    }
    if (passed + failed == 0) {
        std::printf("no case matches\n");
        return 2;
    }
    std::printf("%d passed, %d failed, %ld checks\n", passed, failed, checks);
    return failed == 0 ? 0 : 1;
}
