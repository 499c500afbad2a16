#include "app/fitting/DialogFit.h"

#include <algorithm>

#include "app/fitting/DialogScroller.h"
#include "app/fitting/FontTrials.h"

namespace vantrel {
namespace {

constexpr UINT kRevealFocus = WM_APP + 1;  // posted as the focus moves

// The fitted dialogs, and a hook that sees the focus move in them by any
// means (Tab, arrow keys, mnemonics, clicks, the program's own calls).
std::vector<HWND> fittedDialogs;
HHOOK focusHook = nullptr;

LRESULT CALLBACK OnFocusChange(int code, WPARAM wParam, LPARAM lParam) {
    HWND focus = code == HCBT_SETFOCUS ? reinterpret_cast<HWND>(wParam) : nullptr;
    HWND root = focus != nullptr ? GetAncestor(focus, GA_ROOT) : nullptr;
    if (root != nullptr && std::count(fittedDialogs.begin(), fittedDialogs.end(), root) > 0) {
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
    std::for_each(fonts_.begin(), fonts_.end(), &DeleteObject);
}

DialogFit::Screen DialogFit::ScreenOf(HMONITOR monitor, int dpi) {
    MONITORINFO info{sizeof info, {}, {}, 0};
    if (!GetMonitorInfoW(monitor, &info)) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    }
    return {dpi, info.rcWork, &ChoiceFor(dpi, info.rcWork)};
}

INT_PTR DialogFit::DoModal(HINSTANCE instance, UINT id, HWND owner, DLGPROC procedure,
                           LPARAM param) {
    const std::vector<DeclaredDialog>& dialogs = DeclaredDialogs();
    const auto declared =
        std::find_if(dialogs.begin(), dialogs.end(),
                     [id](const DeclaredDialog& d) { return d.templateId == id; });
    HMONITOR monitor = owner != nullptr ? MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST)
                                        : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    screen_ = ScreenOf(monitor, MonitorDpi(monitor));
    const DialogFont& font = screen_.choice->font;
    const bool fitted = declared != dialogs.end() && screen_.choice->units.height > 0;
    dialogIndex_ = fitted ? static_cast<int>(declared - dialogs.begin()) : -1;
    if (!fitted || font == declared->layout.Font()) {
        return DialogBoxParamW(instance, MAKEINTRESOURCEW(id), owner, procedure, param);
    }
    const std::vector<uint32_t> copy = declared->layout.WithFont(font.face, font.points);
    return DialogBoxIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(copy.data()),
                                   owner, procedure, param);
}

void DialogFit::Attach(HWND dialog) {
    if (dialogIndex_ < 0) {
        return;  // DPI changes stay the system's
    }
    dialog_ = dialog;
    TakeOverDpiChanges(dialog);
    PlaceControls(nullptr, false);  // the dialog manager placed them
    scroller_->Fit(dialog, screen_.workArea, screen_.choice->units.height, screen_.dpi);
    if (fittedDialogs.empty()) {
        focusHook = SetWindowsHookExW(WH_CBT, &OnFocusChange, nullptr, GetCurrentThreadId());
    }
    fittedDialogs.push_back(dialog);
    PostMessageW(dialog, kRevealFocus, 0, 0);  // the initial focus
}

// Gives each control `font` (none: the one it has) or the face the choice
// gives it, and with `place`, its place in the choice's units.
void DialogFit::PlaceControls(HFONT font, bool place) {
    const std::vector<DialogTemplate::Item>& items = DeclaredDialogs()[dialogIndex_].layout.Items();
    const FontChoice& choice = *screen_.choice;
    const bool ownFaces =
        std::any_of(choice.controlFaces.begin(), choice.controlFaces.end(),
                    [this](const ControlFace& f) { return f.dialog == dialogIndex_; });
    if (font == nullptr && !place && !ownFaces) {
        return;  // nothing to change; the walk asks the system about every child
    }
    // The dialog manager made the children in the template's order.
    HWND child = GetWindow(dialog_, GW_CHILD);
    for (std::size_t i = 0; i < items.size() && child != nullptr;
         ++i, child = GetWindow(child, GW_HWNDNEXT)) {
        const DialogTemplate::Item& item = items[i];
        const bool icon = item.className == L"Static" && (item.style & SS_TYPEMASK) == SS_ICON;
        if (place) {
            SetWindowPos(child, nullptr, MulDiv(item.x, choice.units.width, 4),
                         MulDiv(item.y, choice.units.height, 8),
                         MulDiv(item.cx, choice.units.width, 4),
                         MulDiv(item.cy, choice.units.height, 8),
                         SWP_NOZORDER | SWP_NOACTIVATE | (icon ? SWP_NOSIZE : 0));
        }
        HFONT own = font;
        for (const ControlFace& face : choice.controlFaces) {
            if (face.dialog == dialogIndex_ && face.item == static_cast<int>(i)) {
                fonts_.push_back(CreateDialogFont({face.face, choice.font.points}, screen_.dpi,
                                                  kControlFaceQuality));
                own = fonts_.back() != nullptr ? fonts_.back() : font;
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
    const Screen screen = ScreenOf(monitor, dpi);
    const FontChoice& choice = *screen.choice;
    HFONT font = choice.units.height > 0 ? CreateDialogFont(choice.font, dpi) : nullptr;
    if (font == nullptr) {
        return false;
    }
    screen_ = screen;
    std::vector<HFONT> previous = {font};
    previous.swap(fonts_);
    PlaceControls(font, true);
    std::for_each(previous.begin(), previous.end(), &DeleteObject);
    const PixelSize size =
        DialogWindowSize(DeclaredDialogs()[dialogIndex_].layout, choice.units, dpi);
    SetWindowPos(dialog_, nullptr, suggested != nullptr ? suggested->left : 0,
                 suggested != nullptr ? suggested->top : 0, size.width, size.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | (suggested != nullptr ? 0 : SWP_NOMOVE));
    scroller_->Fit(dialog_, screen.workArea, choice.units.height, dpi);
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
