// The port selector as the window first shows it.
#include "AppSession.h"
#include "Text.h"

namespace {

std::string PortText(int position) {
    if (position == 0)
        return "";
    return position < 10 ? "COM0" + std::to_string(position) : "COM" + std::to_string(position);
}

}  // namespace

E2E_CASE(ports, list_and_first_selection) {
    e2e::AppSession app(ctx, e2e::Library::None);
    const HWND combo = app.Control(1005);
    ctx.Require(app.Ask(combo, CB_GETCOUNT) == 100,
                "100 entries, got " + std::to_string(app.Ask(combo, CB_GETCOUNT)));
    for (int i = 0; i < 100; ++i) {
        const LRESULT length = app.Ask(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i));
        std::wstring text(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
        if (length > 0) {
            app.Ask(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                    reinterpret_cast<LPARAM>(&text[0]));
        }
        text.resize(length > 0 ? static_cast<size_t>(length) : 0);
        ctx.ExpectEq(text, e2e::Widen(PortText(i)), "entry " + std::to_string(i));
        ctx.ExpectEq(static_cast<long long>(app.Ask(combo, CB_GETITEMDATA, static_cast<WPARAM>(i))),
                     static_cast<long long>(i), "item data of entry " + std::to_string(i));
    }
    ctx.ExpectEq(static_cast<long long>(app.Ask(combo, CB_GETCURSEL)), 2LL, "first selection");
    ctx.ExpectEq(e2e::WindowText(combo), std::wstring(L"COM02"), "shown text");
}
