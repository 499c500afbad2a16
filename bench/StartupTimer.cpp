// Times Vantrel under Wine or Windows from the outside, with the
// performance counter:
//
//   StartupTimer startup PAIRS FIRST.exe SECOND.exe
//     From process creation until the program's dialog is visible, for both
//     programs in turn (the order swaps every pair); prints every run, the
//     medians and the median of the per-pair ratios FIRST/SECOND.
//   StartupTimer click RUNS PROGRAM.exe LINK_ID BUTTON_ID
//     Starts the program, presses LINK_ID once, then RUNS times: posts the
//     button's click to the dialog and times until the result box is
//     visible, then dismisses the box. Prints every run and the median.
//
// Programs are started with their own folder as working folder. Relative
// names are taken from the current folder.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Timing.h"
#include "res/resource.h"

namespace {

constexpr DWORD kGiveUpMs = 60000;

std::wstring FullPath(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetFullPathNameW(name, MAX_PATH, path, nullptr);
    return length > 0 && length < MAX_PATH ? std::wstring(path) : std::wstring(name);
}

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

// A visible dialog top-level window of the process, other than `not`: of
// the system's dialog class (the bare dialog, message boxes) or of Vantrel's
// own. The class is matched by the server, so a poll costs few round trips
// to the Wine server that the program being timed shares.
HWND VisibleDialog(DWORD processId, HWND not_ = nullptr) {
    for (const wchar_t* dialogClass : {L"#32770", L"" VANTREL_WINDOW_CLASS}) {
        HWND window = nullptr;
        while ((window = FindWindowExW(nullptr, window, dialogClass, nullptr)) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == processId && window != not_ && IsWindowVisible(window)) {
                return window;
            }
        }
    }
    return nullptr;
}

struct Started {
    PROCESS_INFORMATION process = {};
    HWND dialog = nullptr;
    double milliseconds = 0;
};

// Starts the program and waits until its dialog is visible, polling about
// once a millisecond.
bool StartAndWait(const std::wstring& program, Started& out) {
    std::wstring commandLine = L"\"" + program + L"\"";
    const std::wstring folder = FolderOf(program);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    const double start = Now();
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &out.process)) {
        std::fprintf(stderr, "cannot start %ls (error %lu)\n", program.c_str(), GetLastError());
        return false;
    }
    for (;;) {
        out.dialog = VisibleDialog(out.process.dwProcessId);
        if (out.dialog != nullptr) {
            out.milliseconds = Now() - start;
            return true;
        }
        if (WaitForSingleObject(out.process.hProcess, 1) == WAIT_OBJECT_0 ||
            Now() - start > kGiveUpMs) {
            std::fprintf(stderr, "%ls showed no dialog\n", program.c_str());
            return false;
        }
    }
}

// Closes the dialog as the close box would, and waits for the process.
void Stop(Started& started) {
    if (started.process.hProcess == nullptr) {
        return;  // never started
    }
    if (started.dialog != nullptr) {
        PostMessageW(started.dialog, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(started.process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(started.process.hProcess, 1);
        WaitForSingleObject(started.process.hProcess, 5000);
    }
    CloseHandle(started.process.hThread);
    CloseHandle(started.process.hProcess);
}

double TimeStartup(const std::wstring& program) {
    Started started;
    const bool ok = StartAndWait(program, started);
    Stop(started);
    Sleep(200);  // let the server finish the exit before the next start
    return ok ? started.milliseconds : -1;
}

void PrintSummary(const char* which, const std::vector<double>& times) {
    std::printf("median start-up, %s: %.1f ms (fastest %.1f ms)\n", which, Median(times),
                *std::min_element(times.begin(), times.end()));
}

int RunStartup(int pairs, const std::wstring& first, const std::wstring& second) {
    std::vector<double> a, b, ratios;
    // One unrecorded start of each: the first start of a prefix loads fonts
    // and libraries into the caches that every later start finds warm.
    if (TimeStartup(first) < 0 || TimeStartup(second) < 0) {
        return 1;
    }
    for (int pair = 0; pair < pairs; ++pair) {
        double ta = 0, tb = 0;
        if (pair % 2 == 0) {
            ta = TimeStartup(first);
            tb = TimeStartup(second);
        } else {
            tb = TimeStartup(second);
            ta = TimeStartup(first);
        }
        if (ta < 0 || tb < 0) {
            return 1;
        }
        a.push_back(ta);
        b.push_back(tb);
        ratios.push_back(ta / tb);
        std::printf("pair %2d: first %7.1f ms  second %7.1f ms  ratio %.3f\n", pair + 1, ta, tb,
                    ta / tb);
    }
    std::printf("first:  %ls\nsecond: %ls\n", first.c_str(), second.c_str());
    PrintSummary("first ", a);
    PrintSummary("second", b);
    std::printf("median of the pairwise ratios first/second: %.3f (%d pairs)\n", Median(ratios),
                pairs);
    return 0;
}

// Sends a button's click notification to the dialog, as the button itself
// does when pressed.
void PostClick(HWND dialog, int buttonId) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

int RunClick(int runs, const std::wstring& program, int linkId, int buttonId) {
    Started started;
    if (!StartAndWait(program, started)) {
        Stop(started);
        return 1;
    }
    const DWORD processId = started.process.dwProcessId;
    // Link, and make sure it worked: a failed link shows a box.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(started.dialog, WM_COMMAND, MAKEWPARAM(linkId, BN_CLICKED),
                        reinterpret_cast<LPARAM>(GetDlgItem(started.dialog, linkId)), SMTO_NORMAL,
                        2000, &ignored);
    Sleep(300);
    if (HWND box = VisibleDialog(processId, started.dialog)) {
        wchar_t text[128] = L"";
        GetDlgItemTextW(box, 0xFFFF, text, 128);
        std::fprintf(stderr, "linking failed: \"%ls\"\n", text);
        Stop(started);
        return 1;
    }

    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const double start = Now();
        PostClick(started.dialog, buttonId);
        HWND box = nullptr;
        while ((box = VisibleDialog(processId, started.dialog)) == nullptr) {
            if (Now() - start > kGiveUpMs) {
                std::fprintf(stderr, "no box after the click\n");
                Stop(started);
                return 1;
            }
            SwitchToThread();
        }
        const double elapsed = Now() - start;
        times.push_back(elapsed);
        wchar_t text[128] = L"";
        GetDlgItemTextW(box, 0xFFFF, text, 128);
        std::printf("run %2d: %7.2f ms  \"%ls\"\n", run + 1, elapsed, text);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        for (int wait = 0; IsWindow(box) && wait < 5000; ++wait) {
            Sleep(1);
        }
        Sleep(50);
    }
    Stop(started);
    std::printf("median click-to-box latency: %.2f ms (%d runs)\n", Median(times), runs);
    return 0;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: StartupTimer startup PAIRS FIRST.exe SECOND.exe\n"
                 "       StartupTimer click RUNS PROGRAM.exe LINK_ID BUTTON_ID\n");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 5 && lstrcmpW(argv[1], L"startup") == 0) {
        const int pairs = _wtoi(argv[2]);
        return pairs > 0 ? RunStartup(pairs, FullPath(argv[3]), FullPath(argv[4])) : Usage();
    }
    if (argc == 6 && lstrcmpW(argv[1], L"click") == 0) {
        const int runs = _wtoi(argv[2]);
        return runs > 0 ? RunClick(runs, FullPath(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]))
                        : Usage();
    }
    return Usage();
}
