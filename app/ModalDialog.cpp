#include "app/ModalDialog.h"

namespace vantrel {

INT_PTR CModalDialog::DoModal() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const LPARAM self = reinterpret_cast<LPARAM>(this);
    return fit_.DoModal(instance, templateId_, owner_, &CModalDialog::DialogProc, self);
}

BOOL CModalDialog::OnInitDialog() {
    DoDataExchange();
    return TRUE;
}

void CModalDialog::OnOK() {
    EndDialog(hwnd_, IDOK);
}

void CModalDialog::OnCancel() {
    EndDialog(hwnd_, IDCANCEL);
}

INT_PTR CALLBACK CModalDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CModalDialog* dialog = nullptr;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<CModalDialog*>(lParam);
        dialog->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(dialog));
    } else {
        dialog = reinterpret_cast<CModalDialog*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (dialog == nullptr) {
        return FALSE;
    }
    // No exception may cross into the system's code: a step that throws
    // (out of memory in a string) ends there, its scopes unwound, and the
    // dialog goes on taking messages.
    try {
        return dialog->Dispatch(message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR CModalDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        const BOOL systemFocus = OnInitDialog();
        fit_.Attach(hwnd_);
        return systemFocus;
    }
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (id == IDOK) {
            OnOK();
        } else if (id == IDCANCEL) {
            OnCancel();
        } else {
            OnCommand(id, HIWORD(wParam));
        }
        return TRUE;
    }
    default: {
        INT_PTR result = FALSE;
        if (fit_.OnMessage(message, wParam, lParam, result)) {
            return result;
        }
        return OnMessage(message, wParam, lParam, result) ? result : FALSE;
    }
    }
}

}  // namespace vantrel
