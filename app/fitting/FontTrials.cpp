#include "app/fitting/FontTrials.h"

#include <algorithm>
#include <deque>
#include <map>
#include <memory>
#include <type_traits>

#include "app/fitting/DialogFit.h"

namespace vantrel {
namespace {

// The faces to try where the template's is missing or cuts a text, in order:
// Times-proportioned faces first (the layout was drawn for their widths),
// then the common sans faces of Windows and of a bare Linux.
const wchar_t* const kFallbackFaces[] = {
    L"Times New Roman", L"Liberation Serif", L"Nimbus Roman", L"DejaVu Serif", L"Tahoma",
    L"Arial",           L"Liberation Sans",  L"DejaVu Sans",
};
// Traditional Chinese faces of Windows and of common Linux systems, Ming
// (serif) faces first, for a control whose text the chosen face cannot draw.
const wchar_t* const kChineseFaces[] = {
    L"新細明體",          L"PMingLiU",           L"MingLiU",          L"AR PL UMing TW",
    L"Noto Serif CJK TC", L"Microsoft JhengHei", L"Noto Sans CJK TC", L"WenQuanYi Zen Hei",
};

std::vector<DeclaredDialog> declaredDialogs;

// A system call that only newer systems have; null elsewhere.
template <typename Function>
Function Lookup(const wchar_t* module, const char* name) {
    HMODULE handle = LoadLibraryExW(module, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(handle != nullptr ? GetProcAddress(handle, name) : nullptr));
}

// Selects the font made for `font` into `dc` while the result lives; none
// where it cannot be made (no face).
auto Select(HDC dc, const DialogFont& font, int dpi, BYTE quality = PROOF_QUALITY) {
    HFONT made = CreateDialogFont(font, dpi, quality);
    HGDIOBJ previous = made != nullptr ? SelectObject(dc, made) : nullptr;
    auto restore = [dc, previous](HFONT selected) {
        SelectObject(dc, previous);
        DeleteObject(selected);
    };
    return std::unique_ptr<std::remove_pointer_t<HFONT>, decltype(restore)>(made, restore);
}

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool IsInstalled(HDC dc, const std::wstring& face) {
    static std::map<std::wstring, bool> known;
    const auto found = known.find(face);
    if (found != known.end()) {
        return found->second;
    }
    LOGFONTW logFont{};
    logFont.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(logFont.lfFaceName, face.c_str(), LF_FACESIZE);
    bool installed = false;
    EnumFontFamiliesExW(dc, &logFont, &NoteFace, reinterpret_cast<LPARAM>(&installed), 0);
    return known[face] = installed;
}

// Whether the font selected into `dc` has a glyph of its own for every
// character of `text` (a Latin face has none for "確定").
bool Draws(HDC dc, const std::wstring& text) {
    std::vector<WORD> glyphs(text.size());
    return text.empty() ||
           (GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                             GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR &&
            std::count(glyphs.begin(), glyphs.end(), 0xFFFF) == 0);
}

bool IsPushButton(const DialogTemplate::Item& item) {
    return item.className == L"Button" && (item.style & BS_TYPEMASK) <= BS_DEFPUSHBUTTON;
}

// The DrawText flags the control draws its text with (but its alignment,
// which does not change what fits); 0 for one that draws no text of its own.
UINT DrawFlags(const DialogTemplate::Item& item) {
    if (IsPushButton(item)) {
        return (item.style & BS_MULTILINE) != 0 ? DT_WORDBREAK : DT_SINGLELINE;
    }
    if (item.className != L"Static" || (item.style & SS_TYPEMASK) > SS_RIGHT) {
        return 0;  // SS_LEFT, SS_CENTER and SS_RIGHT wrap at word breaks
    }
    return DT_WORDBREAK | DT_EXPANDTABS | ((item.style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0);
}

// Measures fonts at one DPI in a memory DC, as the dialog manager uses them.
class FontTrials {
public:
    explicit FontTrials(int dpi) : dpi_(dpi), dc_(CreateCompatibleDC(nullptr)) {}
    ~FontTrials() { DeleteDC(dc_); }

    // A face that is not installed is not measured: it shows nothing whole.
    FontTrial Try(const DialogFont& font) {
        FontTrial trial;
        if (!IsInstalled(dc_, font.face)) {
            return trial;
        }
        const auto selected = Select(dc_, font, dpi_);
        TEXTMETRICW metrics{};
        SIZE alphabet{};
        if (!selected || !GetTextMetricsW(dc_, &metrics) ||
            !GetTextExtentPoint32W(dc_, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52,
                                   &alphabet)) {
            return trial;
        }
        trial.units = {(alphabet.cx / 26 + 1) / 2, metrics.tmHeight};
        for (std::size_t d = 0; d < declaredDialogs.size(); ++d) {
            const DeclaredDialog& dialog = declaredDialogs[d];
            for (const auto& [item, text] : dialog.texts) {
                const ControlFace control{static_cast<int>(d), static_cast<int>(item), L""};
                if (!Fits(dialog.layout.Items()[item], text, font.points, control, trial)) {
                    return trial;
                }
            }
            const PixelSize window = DialogWindowSize(dialog.layout, trial.units, dpi_);
            trial.window.width = std::max(trial.window.width, window.width);
            trial.window.height = std::max(trial.window.height, window.height);
        }
        trial.textsFit = true;
        return trial;
    }

    // Whether `text` shows whole in `item` as the control draws it: DrawText
    // with its flags in its rectangle (a button's within its edges), where a
    // wrap with no room is a cut text. A text the font cannot draw is
    // measured in the face the control gets, noted in `trial`.
    bool Fits(const DialogTemplate::Item& item, const std::wstring& text, int points,
              ControlFace control, FontTrial& trial) {
        const int edges = IsPushButton(item) ? 2 : 0;
        const int width =
            MulDiv(item.cx, trial.units.width, 4) - edges * MetricForDpi(SM_CXEDGE, dpi_);
        const int height =
            MulDiv(item.cy, trial.units.height, 8) - edges * MetricForDpi(SM_CYEDGE, dpi_);
        control.face = Draws(dc_, text) ? std::wstring() : FaceThatDraws(text, points);
        if (!control.face.empty()) {
            trial.controlFaces.push_back(control);
        }
        const auto own = Select(dc_, {control.face, points}, dpi_, kControlFaceQuality);
        RECT need{0, 0, width, height};
        DrawTextW(dc_, text.c_str(), -1, &need, DrawFlags(item) | DT_CALCRECT);
        return need.right <= width && need.bottom <= height;
    }

    // The first Chinese face that draws `text`; none where no face does.
    std::wstring FaceThatDraws(const std::wstring& text, int points) {
        const auto found = faceFor_.find({text, points});
        if (found != faceFor_.end()) {
            return found->second;
        }
        std::wstring& face = faceFor_[{text, points}];
        for (const wchar_t* candidate : kChineseFaces) {
            const auto selected =
                Select(dc_, {IsInstalled(dc_, candidate) ? candidate : L"", points}, dpi_);
            if (selected && Draws(dc_, text)) {
                face = candidate;
                break;
            }
        }
        return face;
    }

    int dpi_;
    HDC dc_;
    std::map<std::pair<std::wstring, int>, std::wstring> faceFor_;  // by text and size
};

}  // namespace

void DeclareDialogs(const std::vector<std::pair<UINT, std::vector<SampleText>>>& dialogs) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const auto& [id, samples] : dialogs) {
        HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(id), RT_DIALOG);
        HGLOBAL loaded = resource != nullptr ? LoadResource(instance, resource) : nullptr;
        const auto* bytes =
            static_cast<const uint8_t*>(loaded != nullptr ? LockResource(loaded) : nullptr);
        const DWORD size = bytes != nullptr ? SizeofResource(instance, resource) : 0;
        DeclaredDialog declared{id, DialogTemplate(bytes, size), {}};
        // What the font must show whole: each control's text and its samples.
        for (std::size_t i = 0; i < declared.layout.Items().size(); ++i) {
            const DialogTemplate::Item& item = declared.layout.Items()[i];
            for (std::size_t s = 0; s <= samples.size() && DrawFlags(item) != 0; ++s) {
                if (s == samples.size() || samples[s].controlId == item.id) {
                    declared.texts.push_back({i, s < samples.size() ? samples[s].text : item.text});
                }
            }
        }
        if (declared.layout.Valid()) {
            declaredDialogs.push_back(declared);
        }
    }
}

const std::vector<DeclaredDialog>& DeclaredDialogs() {
    return declaredDialogs;
}

HFONT CreateDialogFont(const DialogFont& font, int dpi, BYTE quality) {
    LOGFONTW logFont{};
    logFont.lfHeight = -MulDiv(font.points, dpi, 72);
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfQuality = quality;
    lstrcpynW(logFont.lfFaceName, font.face.c_str(), LF_FACESIZE);
    return font.face.empty() ? nullptr : CreateFontIndirectW(&logFont);
}

PixelSize DialogWindowSize(const DialogTemplate& dialog, PixelSize units, int dpi) {
    RECT rect{0, 0, MulDiv(dialog.Width(), units.width, 4),
              MulDiv(dialog.Height(), units.height, 8)};
    const DWORD frame = (dialog.Style() & DS_MODALFRAME) != 0 ? WS_EX_DLGMODALFRAME : 0;
    AdjustWindowForDpi(&rect, dialog.Style() & ~WS_VISIBLE, dialog.ExStyle() | frame, dpi);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

const FontChoice& ChoiceFor(int dpi, const RECT& workArea) {
    static std::deque<std::pair<std::pair<int, RECT>, FontChoice>> known;  // stays in place
    for (const auto& [key, choice] : known) {
        if (key.first == dpi && EqualRect(&key.second, &workArea)) {
            return choice;
        }
    }
    static const FontChoice none;
    if (declaredDialogs.empty()) {
        return none;
    }
    std::vector<std::wstring> faces = {declaredDialogs.front().layout.Font().face};
    faces.insert(faces.end(), std::begin(kFallbackFaces), std::end(kFallbackFaces));
    FontTrials trials(dpi);
    const PixelSize area{workArea.right - workArea.left, workArea.bottom - workArea.top};
    const auto measure = [&trials](const DialogFont& font) { return trials.Try(font); };
    known.push_back({{dpi, workArea}, ChooseDialogFont(faces, measure, area)});
    return known.back().second;
}

int MonitorDpi(HMONITOR monitor) {
    using GetDpi = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto getDpi = Lookup<GetDpi>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;  // of MDT_EFFECTIVE_DPI, 0
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
