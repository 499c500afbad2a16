// A small modal dialog base: a template id, a dialog fitted to its screen
// (fitting/DialogFit.h), and a dialog procedure that finds the object through
// GWLP_USERDATA and calls its steps. An exception from a step ends that step
// only; the dialog stays up.
#ifndef VANTREL_APP_MODALDIALOG_H
#define VANTREL_APP_MODALDIALOG_H

#include <windows.h>

#include "app/fitting/DialogFit.h"

namespace vantrel {

class CModalDialog {
public:
    // An owner is disabled while the dialog runs, as with the platform's
    // framework.
    CModalDialog(UINT templateId, HWND owner) : templateId_(templateId), owner_(owner) {}
    virtual ~CModalDialog() = default;
    CModalDialog(const CModalDialog&) = delete;
    CModalDialog& operator=(const CModalDialog&) = delete;

    // Runs the dialog until it ends; returns the value given to EndDialog.
    INT_PTR DoModal();

    HWND Handle() const { return hwnd_; }

protected:
    // Binds controls to objects that outlive the dialog; run by OnInitDialog.
    virtual void DoDataExchange() {}
    // Return TRUE to let the system set the initial focus.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // A WM_COMMAND other than OK and Cancel.
    virtual void OnCommand(int /*controlId*/, int /*notifyCode*/) {}
    // Any other message. Return true when handled, with the dialog
    // procedure's return value in `result`.
    virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                           INT_PTR& /*result*/) {
        return false;
    }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    HWND owner_;
    HWND hwnd_ = nullptr;
    DialogFit fit_;
};

}  // namespace vantrel

#endif
