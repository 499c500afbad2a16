// The application object: runs the main window once, then the process ends.
#ifndef VANTREL_APP_VANTRELAPP_H
#define VANTREL_APP_VANTRELAPP_H

#include <windows.h>

namespace vantrel {

class CModalDialog;

class CVantrelApp {
public:
    // Shows the main window modally; false: no message loop of our own follows.
    BOOL InitInstance();

    // The main dialog while it runs, null otherwise.
    CModalDialog* MainWindow() const { return mainWindow_; }

private:
    CModalDialog* mainWindow_ = nullptr;
};

extern CVantrelApp theApp;

}  // namespace vantrel

#endif
