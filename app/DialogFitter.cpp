#include "app/DialogFitter.h"

#include "app/FontTrials.h"
#include "devicelib/TextConversion.h"

namespace vantrel {
namespace {

// Posted when the keyboard moves the focus, to scroll it into view once moved.
constexpr UINT kRevealFocus = WM_APP + 1;
#ifndef WM_DPICHANGED
constexpr UINT WM_DPICHANGED = 0x02E0;
#endif

// From Windows 10 1703 the dialog manager re-scales a per-monitor dialog on
// a DPI change by itself; this one is fitted by its own rule instead.
void TakeOverDpiChanges(HWND dialog) {
    using SetBehavior = BOOL(WINAPI*)(HWND, int, int);
    static const auto set = reinterpret_cast<SetBehavior>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetDialogDpiChangeBehavior")));
    constexpr int kDisableAll = 1;  // DDC_DISABLE_ALL
    if (set != nullptr) {
        set(dialog, kDisableAll, kDisableAll);
    }
}

}  // namespace

DialogFitter::~DialogFitter() {
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

const DLGTEMPLATE* DialogFitter::Prepare(HINSTANCE instance, UINT id, HWND owner) {
    template_ = DialogTemplate::Load(instance, id);
    HMONITOR monitor = owner != nullptr ? MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST)
                                        : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    fit_ = FitDialogs(monitor, MonitorDpi(monitor));
    if (!template_.Valid() || fit_.layout.font.face.empty()) {
        return nullptr;
    }
    fitted_ = template_.WithFont(Utf8ToWide(fit_.layout.font.face), fit_.layout.font.points);
    return reinterpret_cast<const DLGTEMPLATE*>(fitted_.data());
}

void DialogFitter::Attach(HWND dialog) {
    dialog_ = dialog;
    TakeOverDpiChanges(dialog);
    glyphs_.Apply(dialog, template_);
    RECT units{0, 0, 4, 8};
    MapDialogRect(dialog, &units);
    FitToWorkArea(units.bottom);
    if (scroller_.Scrolls()) {
        PostMessageW(dialog, kRevealFocus, 0, 0);  // the initial focus
    }
}

void DialogFitter::FitToWorkArea(int lineHeight) {
    scroller_.Fit(dialog_, fit_.workArea, lineHeight);
}

void DialogFitter::OnDpiChanged(int dpi, const RECT* suggested) {
    HMONITOR monitor = suggested != nullptr ? MonitorFromRect(suggested, MONITOR_DEFAULTTONEAREST)
                                            : MonitorFromWindow(dialog_, MONITOR_DEFAULTTONEAREST);
    fit_ = FitDialogs(monitor, dpi);
    if (!template_.Valid() || fit_.layout.font.face.empty()) {
        return;
    }
    scroller_.Reset();

    // Every control where the dialog manager would put it with the new font.
    HFONT font = CreateDialogFont(fit_.layout.font, dpi);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    const BaseUnits units = BaseUnitsOf(dc);
    SelectObject(dc, previous);
    DeleteDC(dc);
    HWND child = GetWindow(dialog_, GW_CHILD);
    for (const DialogTemplate::Item& item : template_.Items()) {
        if (child == nullptr) {
            break;
        }
        const bool keepsItsSize =
            item.className == L"Static" && ((item.style & SS_TYPEMASK) == SS_ICON);
        SetWindowPos(child, nullptr, MulDiv(item.x, units.x, 4), MulDiv(item.y, units.y, 8),
                     MulDiv(item.cx, units.x, 4), MulDiv(item.cy, units.y, 8),
                     SWP_NOZORDER | SWP_NOACTIVATE | (keepsItsSize ? SWP_NOSIZE : 0));
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        child = GetWindow(child, GW_HWNDNEXT);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    font_ = font;
    glyphs_.Apply(dialog_, template_);

    const PixelSize size = DialogWindowSize(template_, units, dpi);
    RECT window{};
    GetWindowRect(dialog_, &window);
    const POINT at = suggested != nullptr ? POINT{suggested->left, suggested->top}
                                          : POINT{window.left, window.top};
    SetWindowPos(dialog_, nullptr, at.x, at.y, size.width, size.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    FitToWorkArea(units.y);
    InvalidateRect(dialog_, nullptr, TRUE);
}

bool DialogFitter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
    case WM_NEXTDLGCTL:
        PostMessageW(dialog_, kRevealFocus, 0, 0);
        return false;  // the dialog manager moves the focus
    case kRevealFocus:
        scroller_.Reveal(GetFocus());
        result = TRUE;
        return true;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        result = TRUE;
        return true;
    default:
        if (scroller_.OnMessage(message, wParam, lParam)) {
            result = TRUE;
            return true;
        }
        return false;
    }
}

}  // namespace vantrel
