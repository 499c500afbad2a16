// The five dump-mode buttons: every listed code's box, codes they do not
// list, the arguments the library received, and the auto-scan report.
#include <cstdio>
#include <vector>

#include "AppSession.h"
#include "Text.h"
#include "tests/common/ExpectedFieldTexts.h"

namespace {

// The five buttons, with codes they must not react to.
struct DumpModeButton {
    const expected::Operation& op;
    std::vector<int> unlisted;
};

const std::vector<DumpModeButton>& Buttons() {
    using expected::OperationOf;
    static const std::vector<DumpModeButton> buttons = {
        {OperationOf(1013), {0, 1, 25, 99, -1}}, {OperationOf(1022), {0, 1, 25, 99}},
        {OperationOf(1014), {0, 1, 24, 26, 99}}, {OperationOf(1002), {0, 1, 3, 13, 99}},
        {OperationOf(1003), {0, 1, 2, 99}},
    };
    return buttons;
}

// The one call a click made, or null after recording why there was not one.
// The result points into `calls`.
const e2e::LibraryEvent* OneCall(e2e::CaseContext& ctx, const std::vector<e2e::LibraryEvent>& calls,
                                 const char* exportName, const std::string& what) {
    if (!ctx.ExpectEq(calls.size(), 1u, what + ": calls"))
        return nullptr;
    if (!ctx.ExpectEq(calls[0].name, std::string(exportName), what + ": export"))
        return nullptr;
    return &calls[0];
}

// The port byte, both as the library's parameter and as the low byte of its slot.
void ExpectPort(e2e::CaseContext& ctx, const e2e::LibraryEvent& call, int port,
                const std::string& what) {
    ctx.ExpectEq(call.Field("port"), std::to_string(port), what + ": port");
    const std::string slots = call.Field("slots");
    const std::string lowByte = slots.size() >= 8 ? slots.substr(6, 2) : slots;
    char want[3];
    std::snprintf(want, sizeof want, "%02x", port);
    ctx.ExpectEq(lowByte, std::string(want), what + ": low byte of the port slot");
}

// The arguments each button passes besides the port.
void ExpectOtherArguments(e2e::CaseContext& ctx, const DumpModeButton& button,
                          const e2e::LibraryEvent& call, const std::string& what) {
    if (button.op.button == 1002) {
        ctx.ExpectEq(call.Field("dumpFilePath"), e2e::HexText(expected::kDumpFilePath),
                     what + ": dump path");
    } else if (button.op.button == 1022) {
        ctx.ExpectEq(call.Field("scannedPort.in"), std::string("hex:00000000"),
                     what + ": scanned port preset");
    } else if (button.op.button == 1014) {
        ctx.ExpectEq(call.Field("slots"), std::string("-"), what + ": no arguments");
    }
}

}  // namespace

E2E_CASE(dump_mode, listed_and_unlisted_codes) {
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.SelectPort(5);
    app.Fake().Take();
    for (const DumpModeButton& button : Buttons()) {
        const expected::Operation& op = button.op;
        for (int32_t code : op.listed) {
            const std::string what = std::string(op.exportName) + " code " + std::to_string(code);
            app.Fake().SetResult(op.exportName, code);
            app.ExpectResultBoxes(op.button, expected::BoxesFor(op, code), what);
            const std::vector<e2e::LibraryEvent> calls = e2e::CallsOf(app.Fake().Take());
            const e2e::LibraryEvent* call = OneCall(ctx, calls, op.exportName, what);
            if (call == nullptr)
                continue;
            if (op.takesPort)
                ExpectPort(ctx, *call, 5, what);
            ExpectOtherArguments(ctx, button, *call, what);
        }
        for (int code : button.unlisted) {
            const std::string what =
                std::string(op.exportName) + " unlisted code " + std::to_string(code);
            app.Fake().SetResult(op.exportName, code);
            app.ExpectNoBox(op.button, what);
            OneCall(ctx, e2e::CallsOf(app.Fake().Take()), op.exportName, what);
        }
    }
    ctx.ExpectEq(app.FieldText(1023), std::wstring(L"( Auto Scan to COM )"),
                 "no port scanned: field 1023");
}

// The port index is the selector's position: blank is 0, none is 255.
E2E_CASE(dump_mode, port_index_from_selector) {
    struct Selection {
        int position;
        int port;
    };
    const Selection selections[] = {{5, 5}, {0, 0}, {1, 1}, {99, 99}, {-1, 255}};
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.Fake().Take();
    for (const Selection& selection : selections) {
        app.SelectPort(selection.position);
        for (const DumpModeButton& button : Buttons()) {
            const expected::Operation& op = button.op;
            if (!op.takesPort)
                continue;
            const std::string what =
                std::string(op.exportName) + " at position " + std::to_string(selection.position);
            app.Fake().SetResult(op.exportName, op.success);
            app.ExpectResultBoxes(op.button, expected::BoxesFor(op, op.success), what);
            const std::vector<e2e::LibraryEvent> calls = e2e::CallsOf(app.Fake().Take());
            const e2e::LibraryEvent* call = OneCall(ctx, calls, op.exportName, what);
            if (call != nullptr)
                ExpectPort(ctx, *call, selection.port, what);
        }
        ctx.ExpectEq(static_cast<long long>(app.Ask(app.Control(1005), CB_GETCURSEL)),
                     static_cast<long long>(selection.position), "the selection stays");
    }
}

// Field 1023 across a run of scans: written after the box, for any result
// but 3 and 4, and only for a scanned port other than 0.
E2E_CASE(dump_mode, auto_scan_report) {
    struct Scan {
        int result;
        const char* scannedPort;  // what the library writes; nullptr: nothing
    };
    const Scan scans[] = {
        {24, "0"}, {24, nullptr}, {3, "7"},   {4, "7"},  {24, "5"},  {0, "7"},
        {3, "9"},  {24, "0"},     {24, "12"}, {99, "3"}, {24, "-5"},
    };
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    const expected::Operation& op = expected::OperationOf(1022);
    for (const Scan& scan : scans) {
        const std::string what = "result " + std::to_string(scan.result) + ", port " +
                                 (scan.scannedPort != nullptr ? scan.scannedPort : "unwritten");
        std::vector<std::string> script{std::string(op.exportName) + " result " +
                                        std::to_string(scan.result)};
        if (scan.scannedPort != nullptr)
            script.push_back(std::string(op.exportName) + " scannedPort " + scan.scannedPort);
        app.Fake().Script(script);
        const std::wstring before = app.FieldText(1023);
        const e2e::CommandOutcome outcome =
            app.ExpectResultBoxes(1022, expected::BoxesFor(op, scan.result), what, {1023});
        // The report is written only after the box is closed.
        if (!outcome.boxes.empty()) {
            ctx.ExpectEq(outcome.boxes[0].fields.at(1023), before,
                         what + ": field 1023 while the box is open");
        }
        const int port = scan.scannedPort != nullptr ? std::stoi(scan.scannedPort) : 0;
        const expected::Events report = expected::WritesFields(op, scan.result)
                                            ? expected::ScanFields(port)
                                            : expected::Events{};
        ctx.ExpectEq(app.FieldText(1023), report.empty() ? before : e2e::Widen(report[0].text),
                     what + ": field 1023 afterwards");
        ctx.ExpectEq(static_cast<long long>(app.Ask(app.Control(1005), CB_GETCURSEL)), 2LL,
                     what + ": the selector keeps COM02");
    }
}
