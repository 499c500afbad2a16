#include "app/FontTrials.h"

#include "app/GlyphFallback.h"
#include "app/ReferenceReadouts.h"
#include "devicelib/TextConversion.h"

namespace vantrel {
namespace {

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool IsPushButton(const DialogTemplate::Item& item) {
    return item.className == L"Button" && (item.style & BS_TYPEMASK) <= BS_DEFPUSHBUTTON;
}

bool IsLeftText(const DialogTemplate::Item& item) {
    return item.className == L"Static" && (item.style & SS_TYPEMASK) == SS_LEFT;
}

// AdjustWindowRectExForDpi where the system has it (Windows 10 1607 on).
BOOL AdjustForDpi(RECT* rect, DWORD style, DWORD exStyle, int dpi) {
    using Adjust = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjust = reinterpret_cast<Adjust>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    if (adjust != nullptr) {
        return adjust(rect, style, FALSE, exStyle, static_cast<UINT>(dpi));
    }
    return AdjustWindowRectEx(rect, style, FALSE, exStyle);
}

}  // namespace

HFONT CreateDialogFont(const DialogFont& font, int dpi) {
    LOGFONTW logFont{};
    logFont.lfHeight = -MulDiv(font.points, dpi, 72);
    logFont.lfCharSet = DEFAULT_CHARSET;
    const std::wstring face = Utf8ToWide(font.face);
    lstrcpynW(logFont.lfFaceName, face.c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&logFont);
}

BaseUnits BaseUnitsOf(HDC dc) {
    static const wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE size{};
    GetTextExtentPoint32W(dc, kAlphabet, 52, &size);
    return {(size.cx / 26 + 1) / 2, metrics.tmHeight};
}

PixelSize DialogWindowSize(const DialogTemplate& dialog, BaseUnits units, int dpi) {
    RECT rect{0, 0, MulDiv(dialog.Width(), units.x, 4), MulDiv(dialog.Height(), units.y, 8)};
    DWORD exStyle = dialog.ExStyle();
    if ((dialog.Style() & DS_MODALFRAME) != 0) {
        exStyle |= WS_EX_DLGMODALFRAME;
    }
    AdjustForDpi(&rect, dialog.Style() & ~WS_VISIBLE, exStyle, dpi);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

FontTrials::FontTrials(const DialogTemplate& main, const DialogTemplate& about, int dpi)
    : main_(main), about_(about), dpi_(dpi), dc_(CreateCompatibleDC(nullptr)) {}

FontTrials::~FontTrials() {
    DeleteDC(dc_);
}

bool FontTrials::IsInstalled(const std::string& face) const {
    const auto known = installed_.find(face);
    if (known != installed_.end()) {
        return known->second;
    }
    LOGFONTW logFont{};
    logFont.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(logFont.lfFaceName, Utf8ToWide(face).c_str(), LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExW(dc_, &logFont, &NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    installed_[face] = found;
    return found;
}

bool FontTrials::Fits(const DialogTemplate::Item& item, const std::wstring& text,
                      BaseUnits units) const {
    // Chinese texts ("確定") come in their own face where this one has no
    // glyphs (GlyphFallback); measuring them here would only load the
    // linked font, a large one, at every start.
    if (HasIdeographs(text)) {
        return true;
    }
    const int width = MulDiv(item.cx, units.x, 4);
    const int height = MulDiv(item.cy, units.y, 8);
    if (IsPushButton(item)) {
        // A push button draws its caption on one line inside its edges.
        RECT need{0, 0, width, height};
        DrawTextW(dc_, text.c_str(), -1, &need, DT_CALCRECT | DT_SINGLELINE);
        return need.right <= width - 2 * GetSystemMetrics(SM_CXEDGE);
    }
    if (IsLeftText(item)) {
        // A static wraps at word breaks; what does not fit its height is cut.
        // One line that is narrow enough needs no breaking (the quick case).
        SIZE line{};
        if (text.find_first_of(L"&\t\r\n") == std::wstring::npos &&
            GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &line) &&
            line.cx <= width && line.cy <= height) {
            return true;
        }
        const UINT prefix = (item.style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0;
        RECT need{0, 0, width, height};
        DrawTextW(dc_, text.c_str(), -1, &need,
                  DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | prefix);
        return need.right <= width && need.bottom <= height;
    }
    return true;  // icons, the edit field and the combo box show no fixed text
}

FontTrial FontTrials::Try(const DialogFont& font) const {
    HFONT handle = CreateDialogFont(font, dpi_);
    HGDIOBJ previous = SelectObject(dc_, handle);
    const BaseUnits units = BaseUnitsOf(dc_);

    FontTrial trial;
    trial.textsFit = IsInstalled(font.face);
    for (const DialogTemplate* dialog : {&main_, &about_}) {
        for (const DialogTemplate::Item& item : dialog->Items()) {
            trial.textsFit = trial.textsFit && Fits(item, item.text, units);
        }
    }
    for (const FieldText& readout : ReferenceReadouts()) {
        for (const DialogTemplate::Item& item : main_.Items()) {
            if (item.id == readout.controlId) {
                trial.textsFit = trial.textsFit && Fits(item, Utf8ToWide(readout.text), units);
            }
        }
    }
    trial.window = DialogWindowSize(main_, units, dpi_);

    SelectObject(dc_, previous);
    DeleteObject(handle);
    return trial;
}

}  // namespace vantrel
