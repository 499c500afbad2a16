// Lets a dialog that is larger than the work area scroll over its controls:
// scroll bars, the mouse wheel, and the focused control brought into view.
// A dialog that fits is only moved into the work area.
#ifndef VANTREL_APP_FITTING_DIALOGSCROLLER_H
#define VANTREL_APP_FITTING_DIALOGSCROLLER_H

#include <windows.h>

namespace vantrel {

class DialogScroller {
public:
    // Fits the dialog, at its whole size with its controls unscrolled, into
    // `workArea`: moved where it reaches outside, cut to the area and given
    // scroll bars where it is larger. `lineHeight`: pixels a scroll line.
    void Fit(HWND dialog, const RECT& workArea, int lineHeight, int dpi);
    // WM_VSCROLL, WM_HSCROLL, WM_MOUSEWHEEL and WM_MOUSEHWHEEL; true when handled.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Scrolls so that `control` shows whole, where the dialog scrolls.
    void Reveal(HWND control);

private:
    enum Axis { kAcross, kDown };
    void ScrollTo(Axis axis, int position);

    HWND dialog_ = nullptr;
    bool scrolls_[2] = {false, false};
    int content_[2] = {0, 0};   // the whole client size
    int page_[2] = {0, 0};      // the visible client size
    int position_[2] = {0, 0};  // the content's offset shown at the client's origin
    int line_ = 16;
    int wheel_[2] = {0, 0};  // wheel deltas not yet scrolled
};

}  // namespace vantrel

#endif
