// The lower bound for Vantrel's start-up: a bare program that shows the main
// window's dialog template (the same controls, font and manifest) and fills
// the port list with its 100 entries, and does nothing else.
#include <windows.h>

#include <commctrl.h>

#include "res/resource.h"

namespace {

void FillPortList(HWND combo) {
    for (int i = 0; i < 100; ++i) {
        wchar_t text[8] = L"";
        if (i > 0) {
            wsprintfW(text, L"COM%02d", i);
        }
        const LRESULT position =
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(position), i);
    }
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        FillPortList(GetDlgItem(dialog, IDC_PORT_SELECTOR));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
            EndDialog(dialog, LOWORD(wParam));
        }
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The manifest asks for common controls 6, which Windows XP creates only
    // once the program has called this; Wine, without the call, creates its
    // own older controls instead, which are quicker to make and would not
    // be the same controls as Vantrel's.
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_VANTREL_DIALOG), nullptr, &DialogProc, 0);
    return 0;
}
