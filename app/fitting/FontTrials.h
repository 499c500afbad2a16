// The Windows side of the font rule: the declared dialogs, read once, fonts
// measured as the dialog manager uses them, and the system's per-monitor DPI
// calls, looked up at run time (before Windows 8.1 or 10, the system DPI's).
#ifndef VANTREL_APP_FITTING_FONTTRIALS_H
#define VANTREL_APP_FITTING_FONTTRIALS_H

#include <windows.h>

#include <utility>
#include <vector>

#include "app/fitting/DialogTemplate.h"  // and FontChoice.h

namespace vantrel {

struct DeclaredDialog {
    UINT templateId;
    DialogTemplate layout;
    std::vector<std::pair<std::size_t, std::wstring>> texts;  // item, a text it must show whole
};

const std::vector<DeclaredDialog>& DeclaredDialogs();

// The font the dialog manager makes for `font` at `dpi`; null when it cannot.
// A control's own (Chinese) face is drawn unsmoothed, from the bitmaps such
// faces carry for small sizes, as the system draws them through font links.
HFONT CreateDialogFont(const DialogFont& font, int dpi, BYTE quality = PROOF_QUALITY);
constexpr BYTE kControlFaceQuality = NONANTIALIASED_QUALITY;
// The outer size of `dialog` drawn with `units` at `dpi`.
PixelSize DialogWindowSize(const DialogTemplate& dialog, PixelSize units, int dpi);
// The choice for the declared dialogs at `dpi` on `workArea`, measured once.
const FontChoice& ChoiceFor(int dpi, const RECT& workArea);

// The DPI of `monitor` (GetDpiForMonitor).
int MonitorDpi(HMONITOR monitor);
// GetSystemMetrics of `index` for a window at `dpi` (GetSystemMetricsForDpi).
int MetricForDpi(int index, int dpi);
// AdjustWindowRectEx for a window at `dpi` (AdjustWindowRectExForDpi).
void AdjustWindowForDpi(RECT* rect, DWORD style, DWORD exStyle, int dpi);
// Keeps the dialog manager (Windows 10 1703 on) from re-scaling `dialog`.
void TakeOverDpiChanges(HWND dialog);

}  // namespace vantrel

#endif
