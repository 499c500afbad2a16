// The dump-mode buttons: the port index they pass, and the auto-scan report.
// Every code on every button is the hostile-library sweep's.
#include <cstdio>
#include <vector>

#include "AppSession.h"
#include "Build.h"
#include "Text.h"
#include "tests/common/ExpectedFieldTexts.h"

namespace {

// The dump-mode buttons that pass a port.
const int kPortButtons[] = {1013, 1002, 1003};

// The port byte, both as the library's parameter and, where arguments are
// stack slots, as the low byte of its slot.
void ExpectPort(e2e::CaseContext& ctx, const e2e::LibraryEvent& call, int port,
                const std::string& what) {
    ctx.ExpectEq(call.Field("port"), std::to_string(port), what + ": port");
    if (!e2e::kArgumentSlots)
        return;
    const std::string slots = call.Field("slots");
    const std::string lowByte = slots.size() >= 8 ? slots.substr(6, 2) : slots;
    char want[3];
    std::snprintf(want, sizeof want, "%02x", port);
    ctx.ExpectEq(lowByte, std::string(want), what + ": low byte of the port slot");
}

}  // namespace

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
        for (int button : kPortButtons) {
            const expected::Operation& op = expected::OperationOf(button);
            const std::string what =
                std::string(op.exportName) + " at position " + std::to_string(selection.position);
            app.Fake().SetResult(op.exportName, op.success);
            app.ExpectResultBoxes(op.button, expected::BoxesFor(op, op.success), what);
            const e2e::LibraryEvent call = app.OneCall(op.exportName, what);
            if (!call.name.empty())
                ExpectPort(ctx, call, selection.port, what);
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
        std::vector<std::string> outputs;
        if (scan.scannedPort != nullptr)
            outputs.push_back(std::string("scannedPort ") + scan.scannedPort);
        app.Fake().Answer(op.exportName, scan.result, outputs);
        const int port = scan.scannedPort != nullptr ? std::stoi(scan.scannedPort) : 0;
        app.ExpectOperation(op, scan.result, expected::ScanFields(port), what);
        ctx.ExpectEq(static_cast<long long>(app.Ask(app.Control(1005), CB_GETCURSEL)), 2LL,
                     what + ": the selector keeps COM02");
    }
}
