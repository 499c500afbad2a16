// Fits a dialog template to the screen it opens on: one face and size for all
// the program's dialogs, chosen once per DPI and work area (FontChoice.h), the
// dialog moved into the work area, scrolling where larger, refitted per DPI.
#ifndef VANTREL_APP_FITTING_DIALOGFIT_H
#define VANTREL_APP_FITTING_DIALOGFIT_H

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vantrel {

class DialogScroller;
struct FontChoice;

// A text a control shows in use besides its template's (an output field's value).
struct SampleText {
    int controlId;
    std::wstring text;
};

// Every dialog the program shows, with its samples, named once before the first.
void DeclareDialogs(const std::vector<std::pair<UINT, std::vector<SampleText>>>& dialogs);

class DialogFit {
public:
    DialogFit();
    ~DialogFit();
    DialogFit(const DialogFit&) = delete;
    DialogFit& operator=(const DialogFit&) = delete;

    // Runs template `id` modally, fitted to the monitor of `owner` (else the
    // primary one); one not declared runs as it is, with the system's DPI changes.
    INT_PTR DoModal(HINSTANCE instance, UINT id, HWND owner, DLGPROC procedure, LPARAM param);
    void Attach(HWND dialog);  // once the dialog is initialised
    // Scrolling, the focus and DPI changes; true when handled.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

private:
    struct Screen {
        int dpi;
        RECT workArea;
        const FontChoice* choice;  // for that DPI and work area
    };
    static Screen ScreenOf(HMONITOR monitor, int dpi);
    void PlaceControls(HFONT font, bool place);
    bool OnDpiChanged(int dpi, const RECT* suggested);

    int dialogIndex_ = -1;  // among the declared dialogs; -1: not fitted
    HWND dialog_ = nullptr;
    Screen screen_{};
    std::vector<HFONT> fonts_;  // made here (the dialog manager owns its own)
    std::unique_ptr<DialogScroller> scroller_;
};

}  // namespace vantrel

#endif
