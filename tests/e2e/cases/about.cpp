// The about box, opened from the system menu's entry (command 0x0010).
#include "AppSession.h"
#include "DialogLayout.h"
#include "DialogSpecs.h"
#include "Text.h"

E2E_CASE(about, opens_from_system_menu) {
    e2e::AppSession app(ctx, e2e::Library::None);
    const e2e::DialogSpec& spec = e2e::AboutBoxSpec();
    bool checked = false;
    const e2e::CommandOutcome outcome = app.Send(WM_SYSCOMMAND, 0x0010, 0, {}, [&](HWND box) {
        e2e::CheckDialogLayout(ctx, box, spec, "about box");
        const DWORD style = static_cast<DWORD>(GetWindowLongW(box, GWL_STYLE));
        ctx.Expect((style & (WS_CAPTION | WS_SYSMENU | WS_VISIBLE)) ==
                       (WS_CAPTION | WS_SYSMENU | WS_VISIBLE),
                   "about box: caption, system menu, visible");
        const HWND icon = GetWindow(box, GW_CHILD);  // first in the table
        ctx.Expect(app.Ask(icon, STM_GETICON) != 0, "about box: the icon control shows an icon");
        // As the platform's framework does: owned by the main window, which
        // takes no clicks (and opens no second about box) meanwhile.
        ctx.Expect(GetWindow(box, GW_OWNER) == app.Dialog(), "about box: owned by the main window");
        ctx.Expect(!IsWindowEnabled(app.Dialog()),
                   "main window disabled while the about box is open");
        checked = true;
    });
    ctx.Expect(outcome.returned, "the system command returned after OK");
    ctx.ExpectEq(outcome.boxes.size(), 1u, "boxes shown");
    ctx.Expect(checked, "the about box was inspected");
    ctx.Expect(!app.Exited(), "the main window stays after the about box");
    ctx.Expect(IsWindowEnabled(app.Dialog()) != FALSE, "the main window is enabled again");
}

// The command is compared after masking with 0xFFF0, so the low four bits
// (which the system uses for its own flags) do not matter.
E2E_CASE(about, masked_command_also_opens) {
    e2e::AppSession app(ctx, e2e::Library::None);
    const e2e::CommandOutcome outcome = app.Send(WM_SYSCOMMAND, 0x0013, 0);
    ctx.ExpectEq(outcome.boxes.size(), 1u, "boxes shown for 0x0013");
    if (outcome.boxes.size() == 1) {
        ctx.ExpectEq(outcome.boxes[0].caption, std::wstring(L"關於 Vantrel"), "caption");
    }
}
