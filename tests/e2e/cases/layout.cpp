// The main window as the user first sees it: the dialog itself and every
// control in tab order, with kind, style, text and place.
#include <vector>

#include "AppSession.h"
#include "DialogLayout.h"
#include "DialogSpecs.h"
#include "Text.h"

E2E_CASE(layout, main_window_controls) {
    e2e::AppSession app(ctx, e2e::Library::None);
    e2e::CheckDialogLayout(ctx, app.Dialog(), e2e::MainWindowSpec(), "main window");
}

E2E_CASE(layout, main_window_style) {
    e2e::AppSession app(ctx, e2e::Library::None);
    const DWORD style = static_cast<DWORD>(GetWindowLongW(app.Dialog(), GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(app.Dialog(), GWL_EXSTYLE));
    ctx.Expect((style & (WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU)) ==
                   (WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU),
               "popup, visible, caption, system menu");
    ctx.Expect((style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0, "no minimise or maximise box");
    ctx.Expect((exStyle & WS_EX_DLGMODALFRAME) != 0 || (style & DS_MODALFRAME) != 0, "modal frame");
    ctx.Expect((exStyle & WS_EX_APPWINDOW) != 0, "shown in the task bar (WS_EX_APPWINDOW)");
    ctx.Expect(GetWindow(app.Dialog(), GW_OWNER) == nullptr, "the main window has no owner");
    ctx.Expect(app.Ask(app.Dialog(), WM_GETICON, ICON_BIG) != 0, "a large icon is set");
    ctx.Expect(app.Ask(app.Dialog(), WM_GETICON, ICON_SMALL) != 0, "a small icon is set");
}

// The port selector's list scrolls vertically (the style the template gives
// the combo lands on its drop-down list).
namespace {

struct ListSearch {
    DWORD processId;
    HWND list;
};

BOOL CALLBACK FindComboList(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<ListSearch*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    if (processId == search->processId && e2e::ClassName(hwnd) == L"ComboLBox")
        search->list = hwnd;
    return TRUE;
}

}  // namespace

E2E_CASE(layout, port_list_scrolls) {
    e2e::AppSession app(ctx, e2e::Library::None);
    // The only combo's drop-down list: a hidden top-level ComboLBox (the
    // platform's combo info does not cross processes under Wine).
    ListSearch search{app.ProcessId(), nullptr};
    EnumWindows(&FindComboList, reinterpret_cast<LPARAM>(&search));
    ctx.Require(search.list != nullptr, "find the port selector's list");
    const DWORD style = static_cast<DWORD>(GetWindowLongW(search.list, GWL_STYLE));
    ctx.Expect((style & WS_VSCROLL) != 0, "the list has a vertical scroll bar");
}

// The tab key walks the tab stops in the order of the table.
E2E_CASE(layout, tab_order) {
    e2e::AppSession app(ctx, e2e::Library::None);
    const e2e::DialogSpec& spec = e2e::MainWindowSpec();
    std::vector<int> expected;
    for (std::size_t i = 0; i < spec.count; ++i) {
        if (spec.controls[i].kind != e2e::Kind::Label)
            expected.push_back(spec.controls[i].id);
    }
    const HWND first = app.Control(expected.front());
    std::vector<int> walked{GetDlgCtrlID(first)};
    for (HWND at = GetNextDlgTabItem(app.Dialog(), first, FALSE);
         at != nullptr && at != first && walked.size() < 200;
         at = GetNextDlgTabItem(app.Dialog(), at, FALSE)) {
        walked.push_back(GetDlgCtrlID(at));
    }
    std::string got;
    std::string want;
    for (int id : walked)
        got += std::to_string(id) + " ";
    for (int id : expected)
        want += std::to_string(id) + " ";
    ctx.ExpectEq(got, want, "tab stops in order");
}
