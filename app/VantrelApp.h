// The application object: runs the main window once, then the process ends.
#ifndef VANTREL_APP_VANTRELAPP_H
#define VANTREL_APP_VANTRELAPP_H

#include <windows.h>

namespace vantrel {

class CVantrelApp {
public:
    // Shows the main window modally; false: no message loop of our own follows.
    BOOL InitInstance();
};

extern CVantrelApp theApp;

}  // namespace vantrel

#endif
