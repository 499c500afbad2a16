#include "app/fitting/DialogFit.h"

#include <algorithm>

#include "app/fitting/DialogScroller.h"
#include "app/fitting/FontTrials.h"
#include "app/fitting/SystemDpi.h"

namespace vantrel {
namespace {

constexpr UINT kRevealFocus = WM_APP + 1;  // posted as the focus moves
#ifndef WM_DPICHANGED
constexpr UINT WM_DPICHANGED = 0x02E0;
#endif

RECT WorkAreaOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    }
    return info.rcWork;
}

// The fitted dialogs, and a hook that sees the focus move in them by any
// means (Tab, arrow keys, mnemonics, clicks, the program's own calls).
std::vector<HWND> fittedDialogs;
HHOOK focusHook = nullptr;

LRESULT CALLBACK OnFocusChange(int code, WPARAM wParam, LPARAM lParam) {
    HWND root =
        code == HCBT_SETFOCUS ? GetAncestor(reinterpret_cast<HWND>(wParam), GA_ROOT) : nullptr;
    if (root != nullptr &&
        std::find(fittedDialogs.begin(), fittedDialogs.end(), root) != fittedDialogs.end()) {
        PostMessageW(root, kRevealFocus, 0, 0);  // handled once the focus has moved
    }
    return CallNextHookEx(focusHook, code, wParam, lParam);
}

}  // namespace

DialogFit::DialogFit() : scroller_(std::make_unique<DialogScroller>()) {}

DialogFit::~DialogFit() {
    fittedDialogs.erase(std::remove(fittedDialogs.begin(), fittedDialogs.end(), dialog_),
                        fittedDialogs.end());
    if (fittedDialogs.empty() && focusHook != nullptr) {
        UnhookWindowsHookEx(focusHook);
        focusHook = nullptr;
    }
    for (HFONT font : fonts_) {
        DeleteObject(font);
    }
}

INT_PTR DialogFit::DoModal(HINSTANCE instance, UINT id, HWND owner, DLGPROC procedure,
                           LPARAM param) {
    const std::vector<DeclaredDialog>& dialogs = DeclaredDialogs();
    const auto declared =
        std::find_if(dialogs.begin(), dialogs.end(),
                     [id](const DeclaredDialog& d) { return d.templateId == id; });
    HMONITOR monitor = owner != nullptr ? MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST)
                                        : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    dpi_ = MonitorDpi(monitor);
    workArea_ = WorkAreaOf(monitor);
    const FontChoice choice = ChoiceFor(dpi_, workArea_);
    const bool fitted = declared != dialogs.end() && choice.units.height > 0;
    dialogIndex_ = fitted ? static_cast<int>(declared - dialogs.begin()) : -1;
    if (!fitted || choice.font == declared->layout.Font()) {
        return DialogBoxParamW(instance, MAKEINTRESOURCEW(id), owner, procedure, param);
    }
    const std::vector<uint32_t> copy =
        declared->layout.WithFont(choice.font.face, choice.font.points);
    return DialogBoxIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(copy.data()),
                                   owner, procedure, param);
}

void DialogFit::Attach(HWND dialog) {
    if (dialogIndex_ < 0) {
        return;  // DPI changes stay the system's
    }
    dialog_ = dialog;
    TakeOverDpiChanges(dialog);
    const FontChoice choice = ChoiceFor(dpi_, workArea_);
    PlaceControls(choice, dpi_, nullptr, nullptr);  // the dialog manager placed them
    scroller_->Fit(dialog, workArea_, choice.units.height, dpi_);
    if (fittedDialogs.empty()) {
        focusHook = SetWindowsHookExW(WH_CBT, &OnFocusChange, nullptr, GetCurrentThreadId());
    }
    fittedDialogs.push_back(dialog);
    PostMessageW(dialog, kRevealFocus, 0, 0);  // the initial focus
}

// Gives each control `font` (none: the one it has) or the face the choice
// gives it, and where `units` are given, its place with them.
void DialogFit::PlaceControls(const FontChoice& choice, int dpi, HFONT font,
                              const PixelSize* units) {
    const std::vector<DialogTemplate::Item>& items = DeclaredDialogs()[dialogIndex_].layout.Items();
    // The dialog manager made the children in the template's order.
    HWND child = GetWindow(dialog_, GW_CHILD);
    for (std::size_t i = 0; i < items.size() && child != nullptr;
         ++i, child = GetWindow(child, GW_HWNDNEXT)) {
        const DialogTemplate::Item& item = items[i];
        if (units != nullptr) {
            const bool icon = item.className == L"Static" && (item.style & SS_TYPEMASK) == SS_ICON;
            SetWindowPos(child, nullptr, MulDiv(item.x, units->width, 4),
                         MulDiv(item.y, units->height, 8), MulDiv(item.cx, units->width, 4),
                         MulDiv(item.cy, units->height, 8),
                         SWP_NOZORDER | SWP_NOACTIVATE | (icon ? SWP_NOSIZE : 0));
        }
        HFONT own = font;
        for (const ControlFace& face : choice.controlFaces) {
            HFONT made = face.dialog == dialogIndex_ && face.item == static_cast<int>(i)
                             ? CreateDialogFont({face.face, choice.font.points}, dpi)
                             : nullptr;
            if (made != nullptr) {
                fonts_.push_back(made);
                own = made;
            }
        }
        if (own != nullptr) {
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(own), TRUE);
        }
    }
}

// The dialog manager of Windows 10 1703 on could re-scale the dialog, but at
// the same point size, which the new monitor may not have room for; Wine and
// older systems do not re-scale it at all. So the controls are placed here,
// with the font the rule chooses for the new DPI.
bool DialogFit::OnDpiChanged(int dpi, const RECT* suggested) {
    HMONITOR monitor = suggested != nullptr ? MonitorFromRect(suggested, MONITOR_DEFAULTTONEAREST)
                                            : MonitorFromWindow(dialog_, MONITOR_DEFAULTTONEAREST);
    const RECT workArea = WorkAreaOf(monitor);
    const FontChoice choice = ChoiceFor(dpi, workArea);
    HFONT font = choice.units.height > 0 ? CreateDialogFont(choice.font, dpi) : nullptr;
    if (font == nullptr) {
        return false;
    }
    dpi_ = dpi;
    workArea_ = workArea;
    std::vector<HFONT> previous = {font};
    previous.swap(fonts_);
    PlaceControls(choice, dpi, font, &choice.units);
    for (HFONT old : previous) {
        DeleteObject(old);
    }
    const PixelSize size =
        DialogWindowSize(DeclaredDialogs()[dialogIndex_].layout, choice.units, dpi);
    SetWindowPos(dialog_, nullptr, suggested != nullptr ? suggested->left : 0,
                 suggested != nullptr ? suggested->top : 0, size.width, size.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | (suggested != nullptr ? 0 : SWP_NOMOVE));
    scroller_->Fit(dialog_, workArea, choice.units.height, dpi);
    RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return true;
}

bool DialogFit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    bool handled = dialog_ != nullptr;  // not fitted: the dialog as the system has it
    if (handled && message == kRevealFocus) {
        scroller_->Reveal(GetFocus());
    } else if (handled && message == WM_DPICHANGED) {
        handled = OnDpiChanged(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
    } else {
        handled = handled && scroller_->OnMessage(message, wParam, lParam);
    }
    result = handled ? TRUE : result;
    return handled;
}

}  // namespace vantrel
