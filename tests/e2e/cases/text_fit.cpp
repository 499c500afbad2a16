// What a user can read: after a session on the emulator, every static text
// and push button of the main window and the about box is measured in the
// dialog's font as the control draws it, and the Chinese texts must come out
// as real glyphs.
//
// Fonts are per process, so the driver creates the dialog's font itself
// ("新細明體" 9 point, as the template says) in the same Wine prefix, where the
// same face mapping and font links apply. That it is the dialog's font is
// checked: its base units must give the window its size in pixels. The
// caption and menu fonts come from the prefix's non-client metrics, which
// the title bar and the system menu are drawn with.
#include <process.h>

#include <cstdio>
#include <cwchar>

#include <map>
#include <string>
#include <vector>

#include "AppSession.h"
#include "DialogLayout.h"
#include "Text.h"

namespace {

const wchar_t kDialogFace[] = L"新細明體";
const int kDialogPoints = 9;

// A one-run emulator: factory-fresh state in the session's folder, COM05.
e2e::LaunchOptions FreshEmulator() {
    e2e::LaunchOptions options;
    options.besideExe.push_back({L"ORLOG7_DLL.ini", "[Emulator]\r\nStateFile=logger.state\r\n"});
    return options;
}

void PrepareDriveG(e2e::CaseContext& ctx) {
    const wchar_t* tool = ctx.Paths().fixturesExe.c_str();
    ctx.Require(*tool != 0, "the fixture tool (--fixtures) was not given");
    ctx.Require(_wspawnl(_P_WAIT, tool, tool, L"waves", L"g:\\abcd\\WaveFile", nullptr) == 0 &&
                    _wspawnl(_P_WAIT, tool, tool, L"image", L"g:\\abcd\\binfile\\ORLOG7_Encode.Bin",
                             L"V2.00", nullptr) == 0,
                "fixture tool fills drive g:");
}

// Every button that writes output fields, with the box it shows on the emulator.
const struct {
    int id;
    const wchar_t* box;
} kSession[] = {
    {1022, L"24 return_into_dump_mode_successful"},
    {1015, L"29 return_read_device_info_successful"},
    {1004, L"14 return_setting_device_successful"},
    {1007, L"22 return_read_setting_interval_successful"},
    {1006, L"21 return_read_dll_version__successful"},
    {1039, L"45 return_read_memory_used_size_successful"},
    {1019, L"37 return_read_binfile_FW_version_successful"},
    {1024, L"39 return_read_gps_utc_time_successful"},
};

class Font {
public:
    explicit Font(const LOGFONTW& font)
        : dc_(CreateCompatibleDC(nullptr)), font_(CreateFontIndirectW(&font)) {
        old_ = SelectObject(dc_, font_);
    }
    ~Font() {
        SelectObject(dc_, old_);
        DeleteObject(font_);
        DeleteDC(dc_);
    }
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ old_;
};

LOGFONTW DialogFont() {
    HDC screen = GetDC(nullptr);
    LOGFONTW font{};
    font.lfHeight = -MulDiv(kDialogPoints, GetDeviceCaps(screen, LOGPIXELSY), 72);
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = PROOF_QUALITY;
    wcsncpy(font.lfFaceName, kDialogFace, LF_FACESIZE - 1);
    ReleaseDC(nullptr, screen);
    return font;
}

// The dialog base units a font gives, computed as the dialog manager does.
e2e::DialogUnits BaseUnits(HDC dc) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE size{};
    GetTextExtentPoint32W(dc, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &size);
    e2e::DialogUnits units;
    units.baseX = (size.cx / 26 + 1) / 2;
    units.baseY = metrics.tmHeight;
    return units;
}

struct Fit {
    int measured = 0;
    int tightest = 1 << 30;  // least spare pixels across (a line fills 8 units down exactly)
    std::wstring tightestText;
};

// Left-aligned statics draw with DT_WORDBREAK | DT_EXPANDTABS in their client
// rectangle; push buttons one centred line. A text fits when the rectangle
// DrawText needs lies within the client's.
void MeasureTexts(e2e::CaseContext& ctx, HWND dialog, HDC dc, const std::string& what, Fit& fit) {
    for (const e2e::ChildWindow& child : e2e::ReadChildren(dialog)) {
        UINT flags = DT_CALCRECT;
        if (child.className == L"Static" && (child.style & SS_TYPEMASK) == SS_LEFT)
            flags |= DT_WORDBREAK | DT_EXPANDTABS | ((child.style & SS_NOPREFIX) ? DT_NOPREFIX : 0);
        else if (child.className == L"Button" && (child.style & BS_TYPEMASK) <= BS_DEFPUSHBUTTON)
            flags |= DT_SINGLELINE;
        else
            continue;
        RECT client{};
        GetClientRect(child.hwnd, &client);
        RECT need{0, 0, client.right, client.bottom};
        DrawTextW(dc, child.text.c_str(), -1, &need, flags);
        const int spareX = client.right - need.right;
        const int spareY = (flags & DT_SINGLELINE) ? client.bottom : client.bottom - need.bottom;
        ++fit.measured;
        if (spareX < fit.tightest) {
            fit.tightest = spareX;
            fit.tightestText = child.text;
        }
        ctx.Expect(spareX >= 0 && spareY >= 0,
                   what + ": " + e2e::Describe(child.text) + " (id " + std::to_string(child.id) +
                       ") is cut: needs " + std::to_string(need.right) + "x" +
                       std::to_string(need.bottom) + " px, has " + std::to_string(client.right) +
                       "x" + std::to_string(client.bottom));
    }
}

// The pixels `ch` inks in the selected font, drawn black on white.
std::vector<bool> Ink(HDC dc, wchar_t ch) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, 48, -48, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, 48, 48};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 8, 8, &ch, 1);
    GdiFlush();
    std::vector<bool> ink;
    const DWORD* pixel = static_cast<const DWORD*>(bits);
    for (int i = 0; i < 48 * 48; ++i)
        ink.push_back((pixel[i] & 0xFFFFFF) != 0xFFFFFF);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    return ink;
}

// Each Chinese character of `text` inks something, differs from the glyph
// drawn for a code point no font has (a box, or nothing), and from the others.
void ExpectRealGlyphs(e2e::CaseContext& ctx, const LOGFONTW& logFont, const std::wstring& text,
                      const std::string& what) {
    Font font(logFont);
    const std::vector<bool> missing = Ink(font.Dc(), L'\x0378');  // unassigned
    std::map<std::vector<bool>, wchar_t> seen;
    for (wchar_t ch : text) {
        if (ch < 0x2E80)
            continue;
        const std::vector<bool> ink = Ink(font.Dc(), ch);
        const std::string which = what + ": " + e2e::Describe(std::wstring(1, ch)) + " in " +
                                  e2e::Describe(logFont.lfFaceName);
        ctx.Expect(ink != std::vector<bool>(ink.size(), false), which + " is blank");
        ctx.Expect(ink != missing, which + " is the missing-glyph box");
        ctx.Expect(seen.emplace(ink, ch).first->second == ch, which + " looks like another");
    }
    ctx.Expect(!seen.empty(), what + ": no Chinese text in " + e2e::Describe(text));
}

// scripts/screenshot sets VANTREL_SHOTS to a folder: the case writes the
// window's place on the screen to <name>.ready there and waits (up to 30 s)
// for the script to take <name>.png.
void OfferScreenshot(HWND window, const std::wstring& name) {
    const wchar_t* folder = _wgetenv(L"VANTREL_SHOTS");
    if (folder == nullptr)
        return;
    const std::wstring base = std::wstring(folder) + L"\\" + name;
    RECT r{};
    GetWindowRect(window, &r);
    if (FILE* file = _wfopen((base + L".part").c_str(), L"w")) {
        std::fprintf(file, "%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
        std::fclose(file);
        MoveFileW((base + L".part").c_str(), (base + L".ready").c_str());
    }
    for (int i = 0;
         i < 300 && GetFileAttributesW((base + L".png").c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
        Sleep(100);
}

}  // namespace

E2E_CASE(text_fit, every_text_whole_after_a_session) {
    PrepareDriveG(ctx);
    e2e::AppSession app(ctx, e2e::Library::Emulator, FreshEmulator());
    const std::vector<e2e::ChildWindow> before = e2e::ReadChildren(app.Dialog());
    app.Link();
    for (const auto& step : kSession) {
        const e2e::CommandOutcome outcome = app.Click(step.id);
        ctx.Require(
            outcome.returned && outcome.boxes.size() == 1 && outcome.boxes[0].text == step.box,
            "session: button " + std::to_string(step.id) + " shows " + e2e::Describe(step.box));
        if (step.id == 1022)
            app.SelectPort(5);  // where the scan found the logger
    }
    for (const e2e::ChildWindow& field : before) {
        if (field.className == L"Static" && field.id > 1000)
            ctx.Expect(app.FieldText(field.id) != field.text,
                       "field " + std::to_string(field.id) + " holds a value");
    }

    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    ctx.Require(dpi == 96, "the display is 96 DPI, got " + std::to_string(dpi));
    RECT window{};
    GetWindowRect(app.Dialog(), &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    ctx.Expect(width <= 1280 && height <= 1024, "the main window is " + std::to_string(width) +
                                                    "x" + std::to_string(height) +
                                                    " px, larger than 1280x1024");

    const LOGFONTW dialogFont = DialogFont();
    Font font(dialogFont);
    const e2e::DialogUnits units = BaseUnits(font.Dc());
    e2e::DialogUnits drawn;
    ctx.Require(e2e::DeriveDialogUnits(app.Dialog(), 637, 485, &drawn) &&
                    drawn.baseX == units.baseX && drawn.baseY == units.baseY,
                "the driver's font is the dialog's: base units " + std::to_string(units.baseX) +
                    "/" + std::to_string(units.baseY) + " give the window its size");

    OfferScreenshot(app.Dialog(), L"session");
    Fit fit;
    MeasureTexts(ctx, app.Dialog(), font.Dc(), "main window", fit);
    ctx.ExpectEq(fit.measured, 60, "main window: texts measured");
    std::wstring aboutCaption;
    std::wstring okText;
    app.Send(WM_SYSCOMMAND, 0x0010, 0, {}, [&](HWND box) {
        aboutCaption = e2e::WindowText(box);
        okText = e2e::WindowText(GetDlgItem(box, IDOK));
        MeasureTexts(ctx, box, font.Dc(), "about box", fit);
        OfferScreenshot(box, L"about");
    });
    ctx.ExpectEq(fit.measured, 63, "texts measured in both dialogs");
    std::printf("    %dx%d px window, base units %d/%d; tightest: %s, %d px spare\n", width, height,
                units.baseX, units.baseY, e2e::Describe(fit.tightestText).c_str(), fit.tightest);

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ctx.Require(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) != 0,
                "read the caption and menu fonts");
    ExpectRealGlyphs(ctx, dialogFont, okText, "the about box's OK button");
    ExpectRealGlyphs(ctx, metrics.lfCaptionFont, aboutCaption, "the about box's caption");
    // Menus do not cross processes: the entry's text is string 101.
    ExpectRealGlyphs(ctx, metrics.lfMenuFont, L"關於 Vantrel(&A)...", "the system-menu entry");
}
