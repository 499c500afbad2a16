// Linking the device library with button 1001.
#include "AppSession.h"
#include "OperationButtons.h"
#include "Text.h"

E2E_CASE(link, library_absent) {
    e2e::AppSession app(ctx, e2e::Library::None);
    const e2e::CommandOutcome outcome = app.Click(1001);
    ctx.Expect(outcome.returned, "the click returned");
    ctx.Require(outcome.boxes.size() == 1, "one box, got " + std::to_string(outcome.boxes.size()));
    const e2e::BoxSeen& box = outcome.boxes[0];
    ctx.ExpectEq(box.text, e2e::Widen(expected::kCannotLink), "text");
    ctx.ExpectEq(box.caption, e2e::Widen(expected::kResultCaption), "caption");
    ctx.Expect(!box.hasOwner, "the box has no owner window");
    ctx.Expect(!box.hasIcon, "no icon");
    ctx.ExpectEq(box.buttons.size(), 1u, "OK only");
    // The tool stays usable: operations still answer, the table is empty.
    app.ExpectResultBox(1013, expected::kResultCaption, expected::kPleaseLink,
                        "into dump mode after a failed link");
    ctx.Expect(app.Fake().All().empty(), "nothing loaded or called");
}

E2E_CASE(link, success_shows_nothing) {
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    const std::vector<e2e::LibraryEvent> events = app.Fake().Take();
    ctx.Require(events.size() == 1,
                "only the load is logged, got " + std::to_string(events.size()) + " lines");
    ctx.ExpectEq(events[0].kind, std::string("attach"), "loaded");
    app.Fake().SetResult("KZ_ORLOG7_INTO_DUMP_MODE", 24);
    app.ExpectResultBox(1013, 24, "into dump mode");
    ctx.ExpectEq(e2e::CallsOf(app.Fake().Take()).size(), 1u, "one call");
}

// Missing names answer "Please link library" and call nothing; present ones work.
E2E_CASE(link, library_with_some_exports) {
    e2e::AppSession app(ctx, e2e::Library::Partial);
    app.Link();
    app.Fake().Take();
    for (const e2e::OperationButton& button : e2e::kOperationButtons) {
        const std::string what = std::string("button ") + std::to_string(button.id);
        if (button.serialText != nullptr)
            app.SetFieldText(1026, e2e::Widen(button.serialText));
        app.Fake().SetResult(button.ExportName(), button.listedCode);
        const bool present = e2e::PartialExports(button.ExportName());
        const e2e::CommandOutcome outcome = app.Click(button.id);
        ctx.Expect(outcome.returned, what + ": the click returned");
        const std::vector<e2e::LibraryEvent> calls = e2e::CallsOf(app.Fake().Take());
        if (!ctx.Expect(!outcome.boxes.empty(), what + ": a box"))
            continue;
        const e2e::BoxSeen& box = outcome.boxes[0];
        ctx.ExpectEq(box.caption, e2e::Widen(expected::kResultCaption), what + ": caption");
        if (present) {
            ctx.ExpectEq(box.text, e2e::Widen(button.ListedText()), what + ": text");
            ctx.Expect(calls.size() == 1 && calls[0].name == button.ExportName(),
                       what + ": called once");
        } else {
            ctx.ExpectEq(box.text, e2e::Widen(expected::kPleaseLink), what + ": text");
            ctx.ExpectEq(outcome.boxes.size(), 1u, what + ": one box");
            ctx.ExpectEq(calls.size(), 0u, what + ": nothing called");
        }
    }
}

// The second link takes a second reference; Exit releases one, so the
// library is unloaded only when the process ends, and released just once.
E2E_CASE(link, twice_then_exit_releases_once) {
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.Link();
    app.Click(IDCANCEL);
    ctx.Require(app.WaitForExit(10000), "the program ended after Exit");
    std::string kinds;
    for (const e2e::LibraryEvent& event : app.Fake().All())
        kinds += event.line + "; ";
    ctx.ExpectEq(kinds, std::string("attach; detach by=process-exit; "), "library events");
}
