// The rig's own promises: a program that hangs in a library call is killed
// within the command time-out and reported as a failure; every export of the
// fake can be called through the real window without upsetting the stack
// (a calling-convention mismatch crashes under Wine).
#include "AppSession.h"
#include "OperationButtons.h"
#include "tests/common/ExpectedFieldTexts.h"
#include "Text.h"

E2E_CASE(rig, hung_call_is_killed_and_reported) {
    e2e::CaseContext inner(ctx.Paths(), ctx.Name());
    inner.SetEcho(false);
    e2e::AppSession app(inner, e2e::Library::Full);
    app.Link();
    app.SetCommandTimeout(1000);
    app.Fake().Script(
        {"KZ_ORLOG7_INTO_DUMP_MODE delayMs 8000", "KZ_ORLOG7_INTO_DUMP_MODE result 24"});
    const DWORD start = GetTickCount();
    const e2e::CommandOutcome outcome = app.Click(1013);
    const DWORD elapsed = GetTickCount() - start;
    ctx.Expect(!outcome.returned, "the hung click is not reported as returned");
    ctx.Expect(inner.Failures() > 0, "the hang is a failure");
    ctx.Expect(app.Exited(), "the hung program was killed");
    ctx.Expect(elapsed < 6000,
               "killed within the time-out, took " + std::to_string(elapsed) + " ms");
}

E2E_CASE(rig, every_export_called_through_the_window) {
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.Fake().Take();
    for (const e2e::OperationButton& button : e2e::kOperationButtons) {
        const std::string what = std::string(button.ExportName());
        if (button.serialText != nullptr)
            app.SetFieldText(1026, e2e::Widen(button.serialText));
        app.Fake().SetResult(button.ExportName(), button.listedCode);
        app.ExpectResultBox(button.id, expected::kResultCaption, button.ListedText(), what);
        const std::vector<e2e::LibraryEvent> calls = e2e::CallsOf(app.Fake().Take());
        ctx.Expect(calls.size() == 1 && calls[0].name == button.ExportName(),
                   what + ": called once");
        ctx.Require(!app.Exited(), what + ": the program is still running");
    }
    for (const e2e::LibraryEvent& event : app.Fake().All()) {
        ctx.Expect(event.kind != "error", "the fake library reported: " + event.line);
    }
}

// The script's value forms reach the program: a text with its zero, raw
// bytes written as given (one byte over the tool's preset 0), and a number.
E2E_CASE(rig, scripted_outputs_reach_the_window) {
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.Fake().Script(
        {"KZ_ORLOG7_READ_DLL_VERSION result 21", "KZ_ORLOG7_READ_DLL_VERSION version text:V1.23"});
    app.ExpectResultBox(1006, 21, "dll version");
    app.ExpectFields(expected::DllVersionFields("V1.23"), "text output");

    app.Fake().Script({"KZ_ORLOG7_AUTO_INTO_DUMP_MODE result 0",
                       "KZ_ORLOG7_AUTO_INTO_DUMP_MODE scannedPort hex:0c"});
    app.ExpectNoBox(1022, "scan, raw byte");
    app.ExpectFields(expected::ScanFields(12), "raw byte output");

    app.Fake().Script(
        {"KZ_ORLOG7_AUTO_INTO_DUMP_MODE result 0", "KZ_ORLOG7_AUTO_INTO_DUMP_MODE scannedPort 65"});
    app.ExpectNoBox(1022, "scan, number");
    app.ExpectFields(expected::ScanFields(65), "number output");
}

// A script line the fake cannot use fails the case instead of testing nothing.
E2E_CASE(rig, unusable_script_lines_fail_the_case) {
    const char* const kScripts[][2] = {
        {"KZ_ORLOG7_INTO_DUMP_MODE resutl 24", "misspelt key"},
        {"KZ_ORLOG7_INTO_DUMP_MODE result twenty", "not a number"},
        {"KZ_ORLOG7_AUTO_INTO_DUMP_MODE scannedPort hex:0", "odd hex"},
    };
    for (const auto& script : kScripts) {
        e2e::CaseContext inner(ctx.Paths(), ctx.Name());
        inner.SetEcho(false);
        {
            e2e::AppSession app(inner, e2e::Library::Full);
            app.Link();
            app.Fake().Script({script[0]});
            app.Click(1013);
            app.Click(1022);
        }
        ctx.Expect(inner.Failures() > 0, std::string(script[1]) + ": reported");
    }
}
