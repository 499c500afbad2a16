// Fits a dialog to the screen it opens on: before the dialog exists it
// chooses the face and point size (ScreenFit) and makes the template with
// them; once it exists, it moves it into the work area, lets it scroll where
// it is larger, gives Chinese texts their glyphs, and does all of it again
// when the window's DPI changes.
#ifndef VANTREL_APP_DIALOGFITTER_H
#define VANTREL_APP_DIALOGFITTER_H

#include <windows.h>

#include <vector>

#include "app/DialogScroller.h"
#include "app/DialogTemplate.h"
#include "app/GlyphFallback.h"
#include "app/ScreenFit.h"

namespace vantrel {

class DialogFitter {
public:
    DialogFitter() = default;
    ~DialogFitter();
    DialogFitter(const DialogFitter&) = delete;
    DialogFitter& operator=(const DialogFitter&) = delete;

    // Template `id` drawn as chosen for the monitor of `owner` (the primary
    // monitor without one); null when the resource cannot be read, and the
    // dialog is then made from it as it stands.
    const DLGTEMPLATE* Prepare(HINSTANCE instance, UINT id, HWND owner);
    // Run once the dialog has been initialised.
    void Attach(HWND dialog);
    // Scrolling, keyboard focus and DPI changes; true when handled.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

private:
    void FitToWorkArea(int lineHeight);
    void OnDpiChanged(int dpi, const RECT* suggested);

    DialogTemplate template_;
    ScreenFit fit_;
    std::vector<DWORD> fitted_;
    HWND dialog_ = nullptr;
    HFONT font_ = nullptr;  // made on a DPI change; the first is the dialog manager's
    GlyphFallback glyphs_;
    DialogScroller scroller_;
};

}  // namespace vantrel

#endif
