// The about box: template 100, base dialog behaviour only.
#ifndef VANTREL_APP_ABOUTDLG_H
#define VANTREL_APP_ABOUTDLG_H

#include "app/ModalDialog.h"
#include "res/resource.h"

namespace vantrel {

class CAboutDlg : public CModalDialog {
public:
    CAboutDlg() : CModalDialog(IDD_ABOUTBOX, nullptr) {}
};

}  // namespace vantrel

#endif
