// The window on the screens users have: tests/e2e/screens.sh runs this group
// once per row of its table (DPI, screen size, a prefix with or without the
// dialog face) and names the row in VANTREL_SCREEN ("name dpi WxH").
//
// After a session on the emulator that fills every output field, every
// static text and push button of both dialogs is measured in the font the
// dialog really draws (DrawnFont: found from the controls' sizes and the
// screen), the windows must lie in the work area, every control must come
// into view (scrolling, the wheel, Tab, a click), and the Chinese texts must be drawn
// as glyphs of their own.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "AppSession.h"
#include "DialogSpecs.h"
#include "DrawnFont.h"
#include "EmulatorRig.h"
#include "Text.h"
#include "tests/common/ExpectedResults.h"

namespace {

struct Screen {
    std::string name;
    int dpi = 0;
    int width = 0;
    int height = 0;
};

Screen ThisScreen(e2e::CaseContext& ctx) {
    const char* row = std::getenv("VANTREL_SCREEN");
    Screen screen;
    char name[64] = "";
    ctx.Require(row != nullptr && std::sscanf(row, "%63s %d %dx%d", name, &screen.dpi,
                                              &screen.width, &screen.height) == 4,
                "VANTREL_SCREEN names the row (run the group through screens.sh)");
    screen.name = name;
    return screen;
}

// Every button that writes output fields, with the code it shows on the emulator.
const struct {
    int id;
    int32_t code;
} kSession[] = {
    {1022, 24}, {1015, 29}, {1004, 14}, {1007, 22}, {1006, 21}, {1039, 45}, {1019, 37}, {1024, 39},
};

e2e::LaunchOptions FreshEmulator() {
    e2e::LaunchOptions options;
    options.besideExe.push_back({L"ORLOG7_DLL.ini", "[Emulator]\r\nStateFile=logger.state\r\n"});
    return options;
}

RECT WorkArea() {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string RectText(const RECT& r) {
    return std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + "+" +
           std::to_string(r.left) + "+" + std::to_string(r.top);
}

void ExpectInWorkArea(e2e::CaseContext& ctx, HWND window, const std::string& what) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const RECT area = WorkArea();
    ctx.Expect(Inside(rect, area),
               what + " at " + RectText(rect) + " lies outside the work area " + RectText(area));
}

// Left-aligned statics draw with DT_WORDBREAK | DT_EXPANDTABS in their client
// rectangle, push buttons one centred line. A text fits when the rectangle
// DrawText needs lies within the client's.
int MeasureTexts(e2e::CaseContext& ctx, HWND dialog, const LOGFONTW& logFont,
                 const std::string& what) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontIndirectW(&logFont);
    HGDIOBJ old = SelectObject(dc, font);
    int measured = 0;
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
        const bool fits = need.right <= client.right &&
                          ((flags & DT_SINGLELINE) != 0 || need.bottom <= client.bottom);
        ++measured;
        ctx.Expect(fits, what + ": " + e2e::Describe(child.text) + " (id " +
                             std::to_string(child.id) + ") is cut: needs " +
                             std::to_string(need.right) + "x" + std::to_string(need.bottom) +
                             " px, has " + std::to_string(client.right) + "x" +
                             std::to_string(client.bottom));
    }
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    return measured;
}

// What of the dialog's client area the user sees: its part inside the work area.
RECT VisibleClient(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
    RECT visible{};
    const RECT area = WorkArea();
    IntersectRect(&visible, &client, &area);
    return visible;
}

bool InView(HWND dialog, HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    return Inside(rect, VisibleClient(dialog));
}

LONG TopOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    return rect.top;
}

// Every control is in full view at some scroll position, the scroll bars'
// line steps walked from the top left to the bottom right.
void ExpectEveryControlInReach(e2e::CaseContext& ctx, e2e::AppSession& app, HWND dialog,
                               const std::string& what) {
    std::set<HWND> seen;
    const std::vector<e2e::ChildWindow> children = e2e::ReadChildren(dialog);
    const DWORD style = static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE));
    const bool down = (style & WS_VSCROLL) != 0;
    const bool across = (style & WS_HSCROLL) != 0;
    app.Ask(dialog, WM_VSCROLL, SB_TOP);
    for (int row = 0; row < 400; ++row) {
        app.Ask(dialog, WM_HSCROLL, SB_TOP);
        for (int column = 0; column < 400; ++column) {
            for (const e2e::ChildWindow& child : children) {
                if (InView(dialog, child.hwnd))
                    seen.insert(child.hwnd);
            }
            RECT before{};
            GetWindowRect(children.front().hwnd, &before);
            if (!across)
                break;
            app.Ask(dialog, WM_HSCROLL, SB_LINEDOWN);
            RECT after{};
            GetWindowRect(children.front().hwnd, &after);
            if (after.left == before.left)
                break;
        }
        const LONG before = TopOf(children.front().hwnd);
        if (!down)
            break;
        app.Ask(dialog, WM_VSCROLL, SB_LINEDOWN);
        if (TopOf(children.front().hwnd) == before)
            break;
    }
    for (const e2e::ChildWindow& child : children) {
        ctx.Expect(seen.count(child.hwnd) == 1, what + ": " + e2e::Describe(child.text) + " (id " +
                                                    std::to_string(child.id) +
                                                    ") never comes into full view");
    }
    app.Ask(dialog, WM_VSCROLL, SB_TOP);
    app.Ask(dialog, WM_HSCROLL, SB_TOP);
    if (down) {
        // The wheel turned towards the user moves the content up.
        const LONG before = TopOf(children.front().hwnd);
        RECT client = VisibleClient(dialog);
        app.Ask(dialog, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)),
                MAKELPARAM(client.left + 10, client.top + 10));
        ctx.Expect(TopOf(children.front().hwnd) < before, what + ": the mouse wheel scrolls");
        app.Ask(dialog, WM_VSCROLL, SB_TOP);
    }
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

// Tab walks every tab stop, and each comes into view as it takes the focus.
void ExpectTabRevealsEach(e2e::CaseContext& ctx, e2e::AppSession& app, HWND dialog,
                          const std::string& what) {
    std::set<HWND> visited;
    for (int step = 0; step < 60; ++step) {
        app.Ask(dialog, WM_NEXTDLGCTL, 0, 0);
        HWND focus = nullptr;
        bool shown = false;
        for (int wait = 0; wait < 100 && !shown; ++wait) {  // up to 2 s
            focus = FocusOf(dialog);
            shown = focus != nullptr && InView(dialog, focus);
            if (!shown)
                Sleep(20);
        }
        // The combo box's edit field has the focus for the combo.
        if (focus != nullptr && GetParent(focus) != dialog)
            focus = GetParent(focus);
        ctx.Expect(shown, what + ": Tab to " + e2e::Describe(e2e::WindowText(focus)) + " (id " +
                              std::to_string(GetDlgCtrlID(focus)) + ") leaves it out of view");
        if (!visited.insert(focus).second)
            break;  // round the loop
    }
    const e2e::DialogSpec& spec = e2e::MainWindowSpec();
    std::size_t tabStops = 0;
    for (std::size_t i = 0; i < spec.count; ++i)
        tabStops += spec.controls[i].kind != e2e::Kind::Label;
    ctx.ExpectEq(visited.size(), tabStops, what + ": tab stops visited");
    app.Ask(dialog, WM_VSCROLL, SB_TOP);
}

// A click moves the focus past the dialog manager: a button out of view at
// the top comes into view as it takes the focus. It is let go off itself, so
// nothing is clicked.
void ExpectClickRevealsEach(e2e::CaseContext& ctx, e2e::AppSession& app, HWND dialog,
                            const std::string& what) {
    for (const e2e::ChildWindow& child : e2e::ReadChildren(dialog)) {
        app.Ask(dialog, WM_VSCROLL, SB_TOP);
        app.Ask(dialog, WM_HSCROLL, SB_TOP);
        if (child.className != L"Button" || InView(dialog, child.hwnd))
            continue;
        app.Ask(child.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
        bool shown = false;
        for (int wait = 0; wait < 100 && !(shown = InView(dialog, child.hwnd)); ++wait)
            Sleep(20);
        app.Ask(child.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(0x7FFF, 0x7FFF));
        ctx.Expect(shown, what + ": a click on " + e2e::Describe(child.text) + " (id " +
                              std::to_string(child.id) + ") leaves it out of view");
    }
    app.Ask(dialog, WM_VSCROLL, SB_TOP);
}

// The two characters of "確定", read off the screen inside the button, are
// each drawn and unlike each other: two missing-glyph boxes look alike.
void ExpectChineseDrawn(e2e::CaseContext& ctx, HWND button, const std::string& what) {
    RECT rect{};
    GetWindowRect(button, &rect);
    const int insetX = (rect.right - rect.left) / 4;  // clear of the edges and the focus frame
    const int insetY = 4;
    const RECT inner{rect.left + insetX, rect.top + insetY, rect.right - insetX,
                     rect.bottom - insetY};
    const e2e::Ink ink = e2e::ScreenInk(inner);
    int first = ink.width;
    int last = -1;
    for (int x = 0; x < ink.width; ++x) {
        if (!ink.Columns(x, x + 1).Blank()) {
            first = std::min(first, x);
            last = x;
        }
    }
    ctx.Require(last > first, what + ": nothing is drawn in the button");
    const int middle = (first + last + 1) / 2;
    const e2e::Ink left = ink.Columns(first, middle);
    const e2e::Ink right = ink.Columns(middle, middle + (middle - first));
    ctx.Expect(!left.Blank() && !right.Blank(), what + ": a character is blank");
    ctx.Expect(left.pixels != right.pixels, what + ": both characters look alike (boxes)");
}

// The pixels `ch` inks in `logFont`, drawn black on white.
std::vector<bool> GlyphInk(const LOGFONTW& logFont, wchar_t ch) {
    return e2e::TextInk(logFont, std::wstring(1, ch), 48, 48, DT_SINGLELINE | DT_NOPREFIX).pixels;
}

// Each Chinese character of `text` inks something, differs from the glyph
// drawn for a code point no font has (a box, or nothing), and from the others.
void ExpectRealGlyphs(e2e::CaseContext& ctx, const LOGFONTW& logFont, const std::wstring& text,
                      const std::string& what) {
    const std::vector<bool> missing = GlyphInk(logFont, L'\x0378');  // unassigned
    std::map<std::vector<bool>, wchar_t> seen;
    for (wchar_t ch : text) {
        if (ch < 0x2E80)
            continue;
        const std::vector<bool> ink = GlyphInk(logFont, ch);
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
void OfferScreenshot(HWND window, const std::string& name) {
    const wchar_t* folder = _wgetenv(L"VANTREL_SHOTS");
    if (folder == nullptr)
        return;
    const std::wstring base = std::wstring(folder) + L"\\" + e2e::Widen(name);
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

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

E2E_CASE(screens, every_text_whole_every_control_in_reach) {
    const Screen screen = ThisScreen(ctx);
    const RECT area = WorkArea();
    ctx.Require(ScreenDpi() == screen.dpi, "the display is " + std::to_string(screen.dpi) +
                                               " DPI, got " + std::to_string(ScreenDpi()));
    ctx.Require(area.right - area.left == screen.width && area.bottom - area.top == screen.height,
                "the work area is " + std::to_string(screen.width) + "x" +
                    std::to_string(screen.height) + ", got " + RectText(area));

    e2e::PrepareDriveG(ctx, "V2.00");
    e2e::AppSession app(ctx, e2e::Library::Emulator, FreshEmulator());
    const std::vector<e2e::ChildWindow> before = e2e::ReadChildren(app.Dialog());
    app.Link();
    for (const auto& step : kSession) {
        const e2e::CommandOutcome outcome = app.Click(step.id);
        const std::string box = expected::MessageOf(step.code);
        ctx.Require(outcome.returned && outcome.boxes.size() == 1 &&
                        outcome.boxes[0].text == e2e::Widen(box),
                    "session: button " + std::to_string(step.id) + " shows " + e2e::Describe(box));
        if (step.id == 1022)
            app.SelectPort(5);  // where the scan found the logger
    }
    for (const e2e::ChildWindow& field : before) {
        if (field.className == L"Static" && field.id > 1000)
            ctx.Expect(app.FieldText(field.id) != field.text,
                       "field " + std::to_string(field.id) + " holds a value");
    }

    const HWND dialog = app.Dialog();
    ExpectInWorkArea(ctx, dialog, "the main window");
    e2e::DrawnFont drawn;
    std::string why;
    ctx.Require(e2e::FindDrawnFont(dialog, e2e::MainWindowSpec(), screen.dpi, &drawn, &why),
                "main window: " + why);
    RECT window{};
    GetWindowRect(dialog, &window);
    std::printf(
        "    %s: %s, window %s, %s\n", screen.name.c_str(), drawn.Describe().c_str(),
        RectText(window).c_str(),
        (GetWindowLongW(dialog, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL)) != 0 ? "scrolls" : "whole");
    OfferScreenshot(dialog, screen.name + "-session");
    int measured = MeasureTexts(ctx, dialog, drawn.font, "main window");
    ctx.ExpectEq(measured, 60, "main window: texts measured");
    ExpectEveryControlInReach(ctx, app, dialog, "main window");
    ExpectTabRevealsEach(ctx, app, dialog, "main window");
    ExpectClickRevealsEach(ctx, app, dialog, "main window");

    std::wstring aboutCaption;
    app.Send(WM_SYSCOMMAND, 0x0010, 0, {}, [&](HWND box) {
        aboutCaption = e2e::WindowText(box);
        ExpectInWorkArea(ctx, box, "the about box");
        e2e::DrawnFont aboutFont;
        std::string aboutWhy;
        if (ctx.Expect(
                e2e::FindDrawnFont(box, e2e::AboutBoxSpec(), screen.dpi, &aboutFont, &aboutWhy),
                "about box: " + aboutWhy)) {
            measured += MeasureTexts(ctx, box, aboutFont.font, "about box");
        }
        ExpectChineseDrawn(ctx, GetDlgItem(box, IDOK), "the about box's OK button");
        OfferScreenshot(box, screen.name + "-about");
    });
    ctx.ExpectEq(measured, 63, "texts measured in both dialogs");

    // The title bar and the system menu are drawn in the system's fonts.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ctx.Require(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) != 0,
                "read the caption and menu fonts");
    ExpectRealGlyphs(ctx, metrics.lfCaptionFont, aboutCaption, "the about box's caption");
    // Menus do not cross processes: the entry's text is string 101.
    ExpectRealGlyphs(ctx, metrics.lfMenuFont, L"關於 Vantrel(&A)...", "the system-menu entry");
}

// Moved to a monitor of another DPI, the window fits itself again by the
// same rule, and back on the first it is as it was.
E2E_CASE(screens, a_dpi_change_fits_again) {
    const Screen screen = ThisScreen(ctx);
    e2e::AppSession app(ctx, e2e::Library::None);
    const HWND dialog = app.Dialog();
    e2e::DrawnFont first;
    std::string why;
    ctx.Require(e2e::FindDrawnFont(dialog, e2e::MainWindowSpec(), screen.dpi, &first, &why), why);
    for (int dpi : {screen.dpi * 5 / 4, screen.dpi}) {
        const std::string what = "at " + std::to_string(dpi) + " DPI";
        // No suggested rectangle: a pointer would not cross processes.
        app.Ask(dialog, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi), 0);
        e2e::DrawnFont drawn;
        ctx.Require(e2e::FindDrawnFont(dialog, e2e::MainWindowSpec(), dpi, &drawn, &why),
                    what + ": " + why);
        std::printf("    %s: %s\n", what.c_str(), drawn.Describe().c_str());
        ctx.Expect(drawn.points >= 8, what + ": drawn at " + drawn.Describe());
        MeasureTexts(ctx, dialog, drawn.font, what);
        ExpectInWorkArea(ctx, dialog, what + ": the main window");
        ExpectEveryControlInReach(ctx, app, dialog, what);
    }
    e2e::CheckDialogLayout(ctx, dialog, e2e::MainWindowSpec(), "back at the first DPI");
}
