// The process-wide port selector: the drop-down list of serial ports that
// every operation reads its port from. It lives for the whole process and is
// bound to control 1005 when the main window exchanges data.
#ifndef VANTREL_APP_PORTSELECTOR_H
#define VANTREL_APP_PORTSELECTOR_H

#include <windows.h>

namespace vantrel {

class CPortSelector {
public:
    void Attach(HWND combo) { combo_ = combo; }

    // Adds the 100 entries, each with its position as item data.
    void Fill();
    void Select(int position);
    // CB_GETCURSEL: the selected position, -1 with none.
    int CurrentSelection() const;

private:
    HWND combo_ = nullptr;
};

extern CPortSelector thePortSelector;

}  // namespace vantrel

#endif
