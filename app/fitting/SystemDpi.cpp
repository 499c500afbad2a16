#include "app/fitting/SystemDpi.h"

namespace vantrel {
namespace {

template <typename Function>
Function Lookup(const wchar_t* module, const char* name) {
    HMODULE handle = GetModuleHandleW(module);
    if (handle == nullptr) {
        handle = LoadLibraryExW(module, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(handle != nullptr ? GetProcAddress(handle, name) : nullptr));
}

}  // namespace

int MonitorDpi(HMONITOR monitor) {
    using GetDpi = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto getDpi = Lookup<GetDpi>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0;
    UINT y = 0;  // of MDT_EFFECTIVE_DPI, 0
    if (getDpi != nullptr && monitor != nullptr && getDpi(monitor, 0, &x, &y) == S_OK && y > 0) {
        return static_cast<int>(y);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int MetricForDpi(int index, int dpi) {
    using GetMetric = int(WINAPI*)(int, UINT);
    static const auto get = Lookup<GetMetric>(L"user32.dll", "GetSystemMetricsForDpi");
    return get != nullptr ? get(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

void AdjustWindowForDpi(RECT* rect, DWORD style, DWORD exStyle, int dpi) {
    using Adjust = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjust = Lookup<Adjust>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (adjust == nullptr || !adjust(rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        AdjustWindowRectEx(rect, style, FALSE, exStyle);
    }
}

void TakeOverDpiChanges(HWND dialog) {
    using SetBehavior = BOOL(WINAPI*)(HWND, int, int);
    static const auto set = Lookup<SetBehavior>(L"user32.dll", "SetDialogDpiChangeBehavior");
    constexpr int kDisableAll = 1;  // DDC_DISABLE_ALL
    if (set != nullptr) {
        set(dialog, kDisableAll, kDisableAll);
    }
}

}  // namespace vantrel
