#include "app/VantrelApp.h"

#include <commctrl.h>

#include <cwchar>

#include "app/VantrelDlg.h"

namespace vantrel {

CVantrelApp theApp;

namespace {

// The device library binding, held for the life of the process.
LibraryBinding& DeviceLibrary() {
    static LibraryBinding library(SystemModuleLoader());
    return library;
}

// Keeps the current directory out of the DLL search order, so that an
// ORLOG7_DLL.dll planted wherever the tool is started from is not loaded.
// The application's own folder still comes first. Naming that folder does
// this on Windows just as "" does, and also under Wine, which takes "" as
// no setting at all and keeps searching the current directory.
void RemoveCurrentDirectoryFromDllSearch() {
    wchar_t folder[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, folder, MAX_PATH);
    wchar_t* slash = length > 0 && length < MAX_PATH ? wcsrchr(folder, L'\\') : nullptr;
    if (slash != nullptr) {
        slash[1] = L'\0';  // keep the backslash: "C:" alone would be drive-relative
        SetDllDirectoryW(folder);
    } else {
        SetDllDirectoryW(L"");
    }
}

}  // namespace

BOOL CVantrelApp::InitInstance() {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    CVantrelDlg dialog(DeviceLibrary(), nullptr);
    dialog.DoModal();
    return FALSE;
}

}  // namespace vantrel

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // A damaged library or an empty drive gets the program's own answer, no system box.
    SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    vantrel::RemoveCurrentDirectoryFromDllSearch();
    // A library call (a dump over a serial line) may hold the window for
    // minutes; a "Not Responding" ghost would offer to kill the program
    // in the middle of it.
    DisableProcessWindowsGhosting();
    vantrel::theApp.InitInstance();
    return 0;
}
