// The main window: template 102. It routes button clicks through the command
// table to the operations, and serves them as their OperationWindow.
#ifndef VANTREL_APP_VANTRELDLG_H
#define VANTREL_APP_VANTRELDLG_H

#include "app/ModalDialog.h"
#include "devicelib/LibraryBinding.h"
#include "operations/OperationWindow.h"

namespace vantrel {

class CVantrelDlg : public CModalDialog, public OperationWindow {
public:
    CVantrelDlg(LibraryBinding& library, HWND parent);
    // Once, before the first window: the window's class, with the icon.
    static void RegisterWindowClass(HINSTANCE instance);

    // OperationWindow
    void SetFieldText(int controlId, const std::string& text) override;
    void ShowMessage(const std::string& text, const std::string& caption, BoxOwner owner) override;
    int PortSelection() override;
    std::string SerialNumberText() override;
    void BeginBusy() override;
    void EndBusy() override;

protected:
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    // Exit, the close box and Esc: release the library, then end. Enter ends
    // through the base OnOK without the release, on purpose: that is how
    // Enter has always closed the window, and the process ends next, which
    // frees the library anyway.
    void OnCancel() override;
    void OnCommand(int controlId, int notifyCode) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void AddAboutToSystemMenu();
    // True when the command was ours (the about box).
    bool OnSysCommand(UINT command);
    void PaintIconic();

    LibraryBinding& library_;
    HICON icon_;
    HCURSOR cursorBeforeBusy_ = nullptr;
};

}  // namespace vantrel

#endif
