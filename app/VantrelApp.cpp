#include "app/VantrelApp.h"

#include <commctrl.h>

#include <string>

#include "app/ReferenceReadouts.h"
#include "app/VantrelDlg.h"
#include "app/fitting/DialogFit.h"
#include "devicelib/TextConversion.h"
#include "res/resource.h"

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
    // The exe's path may be longer than MAX_PATH: grow until it fits.
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()))) ==
               path.size() &&
           path.size() < 32768) {
        path.resize(path.size() * 2);
    }
    const std::size_t slash =
        length > 0 && length < path.size() ? path.find_last_of(L'\\', length) : std::wstring::npos;
    if (slash != std::wstring::npos) {
        path.resize(slash + 1);  // keep the backslash: "C:" alone would be drive-relative
        SetDllDirectoryW(path.c_str());
    } else {
        SetDllDirectoryW(L"");
    }
}

}  // namespace

BOOL CVantrelApp::InitInstance() {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    // One font for both dialogs, chosen to show the main window's readouts too.
    std::vector<SampleText> readouts;
    for (const FieldText& readout : ReferenceReadouts()) {
        readouts.push_back({readout.controlId, Utf8ToWide(readout.text)});
    }
    DeclareDialogs({{IDD_VANTREL_DIALOG, readouts}, {IDD_ABOUTBOX, {}}});

    CVantrelDlg::RegisterWindowClass(GetModuleHandleW(nullptr));
    CVantrelDlg dialog(DeviceLibrary(), nullptr);
    dialog.DoModal();
    return FALSE;
}

}  // namespace vantrel

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // A damaged library or an empty drive gets the program's own answer, no
    // system box. SetErrorMode hands back the mode it replaces: XP's kernel32
    // has no GetErrorMode, and importing it would keep the program from
    // starting there.
    const UINT errorMode = SetErrorMode(0);
    SetErrorMode(errorMode | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    vantrel::RemoveCurrentDirectoryFromDllSearch();
    // A library call (a dump over a serial line) may hold the window for
    // minutes; a "Not Responding" ghost would offer to kill the program
    // in the middle of it.
    DisableProcessWindowsGhosting();
    vantrel::theApp.InitInstance();
    return 0;
}
