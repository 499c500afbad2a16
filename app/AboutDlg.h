// The about box: template 100, base dialog behaviour only. Owned by the main
// window, which stays disabled while it is open.
#ifndef VANTREL_APP_ABOUTDLG_H
#define VANTREL_APP_ABOUTDLG_H

#include "app/ModalDialog.h"
#include "res/resource.h"

namespace vantrel {

class CAboutDlg : public CModalDialog {
public:
    explicit CAboutDlg(HWND owner) : CModalDialog(IDD_ABOUTBOX, owner) {}
};

}  // namespace vantrel

#endif
