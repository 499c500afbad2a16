// How the dialogs are drawn on one monitor: its DPI and work area, and the
// layout ChooseLayout picks there from fonts measured on this system.
#ifndef VANTREL_APP_SCREENFIT_H
#define VANTREL_APP_SCREENFIT_H

#include <windows.h>

#include "app/DialogTemplate.h"
#include "app/LayoutChoice.h"

namespace vantrel {

struct ScreenFit {
    LayoutChoice layout;
    int dpi = 96;
    RECT workArea{};
};

// The DPI of `monitor` (GetDpiForMonitor where the system has it, else the
// system DPI).
int MonitorDpi(HMONITOR monitor);

// Chooses the layout of both dialogs for `monitor` at `dpi`.
ScreenFit FitDialogs(HMONITOR monitor, int dpi);

}  // namespace vantrel

#endif
