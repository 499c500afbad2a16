#include "app/ScreenFit.h"

#include "app/FontTrials.h"
#include "devicelib/TextConversion.h"
#include "res/resource.h"

namespace vantrel {

int MonitorDpi(HMONITOR monitor) {
    // shcore.dll came with Windows 8.1; MDT_EFFECTIVE_DPI is 0.
    using GetDpi = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static HMODULE shcore = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    static const auto getDpi = reinterpret_cast<GetDpi>(reinterpret_cast<void*>(
        shcore != nullptr ? GetProcAddress(shcore, "GetDpiForMonitor") : nullptr));
    UINT x = 0;
    UINT y = 0;
    if (getDpi != nullptr && monitor != nullptr && getDpi(monitor, 0, &x, &y) == S_OK && y > 0) {
        return static_cast<int>(y);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

ScreenFit FitDialogs(HMONITOR monitor, int dpi) {
    ScreenFit fit;
    fit.dpi = dpi;
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        fit.workArea = info.rcWork;
    } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &fit.workArea, 0);
    }

    HINSTANCE instance = GetModuleHandleW(nullptr);
    const DialogTemplate main = DialogTemplate::Load(instance, IDD_VANTREL_DIALOG);
    const DialogTemplate about = DialogTemplate::Load(instance, IDD_ABOUTBOX);
    if (!main.Valid() || !about.Valid()) {
        return fit;  // no face: the dialogs as their resources have them
    }
    std::vector<std::string> faces = {WideToUtf8(main.Face())};
    faces.insert(faces.end(), FallbackFaces().begin(), FallbackFaces().end());
    const FontTrials trials(main, about, dpi);
    const PixelSize area{fit.workArea.right - fit.workArea.left,
                         fit.workArea.bottom - fit.workArea.top};
    fit.layout = ChooseLayout(
        faces, [&trials](const DialogFont& font) { return trials.Try(font); }, area);
    return fit;
}

}  // namespace vantrel
