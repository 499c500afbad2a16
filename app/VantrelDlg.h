// The main window: template 102. It routes button clicks through the command
// table to the operations, and serves them as their OperationWindow.
#ifndef VANTREL_APP_VANTRELDLG_H
#define VANTREL_APP_VANTRELDLG_H

#include "ModalDialog.h"
#include "devicelib/LibraryBinding.h"
#include "operations/OperationWindow.h"

namespace vantrel {

class CVantrelDlg : public CModalDialog, public OperationWindow {
public:
    CVantrelDlg(LibraryBinding& library, HWND parent);

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
    void OnCancel() override;
    void OnCommand(int controlId, int notifyCode) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void AddAboutToSystemMenu();
    void OnSysCommand(UINT command);
    void PaintIconic();

    LibraryBinding& library_;
    HICON icon_;
    HCURSOR cursorBeforeBusy_ = nullptr;
};

}  // namespace vantrel

#endif
