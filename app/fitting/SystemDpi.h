// The system's per-monitor DPI calls, looked up at run time; where a system
// lacks one (before Windows 8.1 or 10), the system DPI's call serves.
#ifndef VANTREL_APP_FITTING_SYSTEMDPI_H
#define VANTREL_APP_FITTING_SYSTEMDPI_H

#include <windows.h>

namespace vantrel {

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
