// The about box, opened from the system menu's entry (command 0x0010).
#include "AppSession.h"
#include "DialogLayout.h"
#include "Text.h"

namespace {

using e2e::ControlSpec;
using e2e::Kind;
using e2e::kNoId;

const ControlSpec kAboutBox[] = {
    {kNoId, Kind::Icon, 11, 17, 20, 20, nullptr, 0},
    {kNoId, Kind::Label, 40, 10, 119, 8, "Vantrel Version 1.2", SS_NOPREFIX},
    {kNoId, Kind::Label, 40, 25, 119, 8, nullptr, 0},  // the notice line: any text
    {IDOK, Kind::DefPushButton, 178, 7, 50, 14, "確定", 0},
};

}  // namespace

E2E_CASE(about, opens_from_system_menu) {
    e2e::AppSession app(ctx, e2e::Library::None);
    const e2e::DialogSpec spec{"關於 Vantrel", 235, 55, kAboutBox,
                               sizeof kAboutBox / sizeof kAboutBox[0]};
    bool checked = false;
    const e2e::CommandOutcome outcome = app.Send(WM_SYSCOMMAND, 0x0010, 0, {}, [&](HWND box) {
        e2e::CheckDialogLayout(ctx, box, spec, "about box");
        const DWORD style = static_cast<DWORD>(GetWindowLongW(box, GWL_STYLE));
        ctx.Expect((style & (WS_CAPTION | WS_SYSMENU | WS_VISIBLE)) ==
                       (WS_CAPTION | WS_SYSMENU | WS_VISIBLE),
                   "about box: caption, system menu, visible");
        const HWND icon = GetWindow(box, GW_CHILD);  // first in the table
        ctx.Expect(app.Ask(icon, STM_GETICON) != 0, "about box: the icon control shows an icon");
        checked = true;
    });
    ctx.Expect(outcome.returned, "the system command returned after OK");
    ctx.ExpectEq(outcome.boxes.size(), 1u, "boxes shown");
    ctx.Expect(checked, "the about box was inspected");
    ctx.Expect(!app.Exited(), "the main window stays after the about box");
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
