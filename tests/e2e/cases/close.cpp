// The four ways the window closes, and whether the library was released on
// the way: a release shows as "detach by=FreeLibrary" in the fake's log;
// no release leaves the unload to process exit.
#include "AppSession.h"
#include "Text.h"

namespace {

enum class Closing { ExitButton, Escape, CloseBox, EnterInSerialField };

struct CloseCase {
    const char* name;
    bool link;
    Closing how;
    const char* events;  // the fake's log, lines joined by "; "
};

const CloseCase kCloseCases[] = {
    {"Exit, not linked", false, Closing::ExitButton, ""},
    {"Exit, linked", true, Closing::ExitButton, "attach; detach by=FreeLibrary; "},
    {"Escape, linked", true, Closing::Escape, "attach; detach by=FreeLibrary; "},
    {"close box, linked", true, Closing::CloseBox, "attach; detach by=FreeLibrary; "},
    // Enter ends the run through OK, which skips the release step.
    {"Enter in field 1026, linked", true, Closing::EnterInSerialField,
     "attach; detach by=process-exit; "},
};

void Close(e2e::AppSession& app, Closing how) {
    switch (how) {
    case Closing::ExitButton:
        app.Click(IDCANCEL);
        break;
    case Closing::Escape: {
        const HWND focus = app.FocusedWindow();
        app.PostKey(focus != nullptr ? focus : app.Dialog(), VK_ESCAPE);
        break;
    }
    case Closing::CloseBox:
        app.Send(WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case Closing::EnterInSerialField: {
        const HWND field = app.Control(1026);
        app.Ask(app.Dialog(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
        app.PostKey(field, VK_RETURN);
        break;
    }
    }
}

}  // namespace

E2E_CASE(close, ways_to_close) {
    for (const CloseCase& c : kCloseCases) {
        e2e::AppSession app(ctx, e2e::Library::Full);
        if (c.link)
            app.Link();
        Close(app, c.how);
        if (!ctx.Expect(app.WaitForExit(10000), std::string(c.name) + ": the program ended"))
            continue;
        std::string events;
        for (const e2e::LibraryEvent& event : app.Fake().All())
            events += event.line + "; ";
        ctx.ExpectEq(events, std::string(c.events), std::string(c.name) + ": library events");
    }
}
