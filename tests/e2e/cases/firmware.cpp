// The firmware image buttons through the real window: the version read
// (1019) writes field 1020 before its box and passes no port; the upgrade
// (1018) shows a second box after its success.
#include <string>
#include <vector>

#include "AppSession.h"
#include "Text.h"
#include "tests/common/ExpectedFieldTexts.h"

namespace {

const expected::Operation& kRead = expected::OperationOf(1019);
const expected::Operation& kUpgrade = expected::OperationOf(1018);

// The one call of a click, or an empty event after recording why not.
e2e::LibraryEvent OneCall(e2e::CaseContext& ctx, e2e::AppSession& app, const char* exportName,
                          const std::string& what) {
    const std::vector<e2e::LibraryEvent> calls = e2e::CallsOf(app.Fake().Take());
    if (ctx.ExpectEq(calls.size(), 1u, what + ": calls") &&
        ctx.ExpectEq(calls[0].name, std::string(exportName), what + ": export")) {
        return calls[0];
    }
    return e2e::LibraryEvent();
}

}  // namespace

E2E_CASE(firmware, bin_file_version) {
    struct Step {
        int result;
        std::string version;  // script value; empty: not written
        std::string shown;    // the version the report must show when written
    };
    const std::string full = std::string(64, 'B');
    std::vector<Step> steps;
    for (int32_t code : kRead.listed) {
        if (code != kRead.success)
            steps.push_back({code, "text:X", "X"});
    }
    const Step more[] = {
        {26, "text:X", "X"},  // the upgrade's codes are not this one's
        {35, "text:X", "X"},
        {0, "text:X", "X"},
        {37, "text:V2.05", "V2.05"},
        // Not written: the zeroed buffer shows an empty version.
        {37, "", ""},
        // Filled to its last byte: the sixty-four bytes and nothing beyond.
        {37, e2e::HexText(full), full},
    };
    steps.insert(steps.end(), std::begin(more), std::end(more));
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.SelectPort(-1);  // no port is passed, so any selection will do
    app.Fake().Take();
    ctx.ExpectEq(app.FieldText(1020), std::wstring(L"( Bin File FW Version = ? )"),
                 "template text");
    for (const Step& step : steps) {
        const std::string what =
            std::string(kRead.exportName) + " result " + std::to_string(step.result);
        std::vector<std::string> script = {std::string(kRead.exportName) + " result " +
                                           std::to_string(step.result)};
        if (!step.version.empty())
            script.push_back(std::string(kRead.exportName) + " version " + step.version);
        app.Fake().Script(script);
        const std::wstring before = app.FieldText(1020);
        const std::wstring after =
            expected::WritesFields(kRead, step.result)
                ? e2e::Widen(expected::BinFileVersionFields(step.shown).front().text)
                : before;
        const e2e::CommandOutcome outcome =
            app.ExpectResultBoxes(1019, expected::BoxesFor(kRead, step.result), what, {1020});
        if (!outcome.boxes.empty()) {
            // The report is in place while the box is open.
            ctx.ExpectEq(outcome.boxes[0].fields.at(1020), after, what + ": field 1020 while open");
        }
        ctx.ExpectEq(app.FieldText(1020), after, what + ": field 1020");
        const e2e::LibraryEvent call = OneCall(ctx, app, kRead.exportName, what);
        ctx.ExpectEq(call.Field("imagePath"), e2e::HexText(expected::kFirmwareImagePath),
                     what + ": path");
        ctx.ExpectEq(call.Field("slots").size(), 17u, what + ": two arguments");
    }
}

E2E_CASE(firmware, upgrade) {
    // Every listed code, then the version read's success and an unlisted one.
    std::vector<int32_t> codes = kUpgrade.listed;
    codes.insert(codes.end(), {37, 0});
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.SelectPort(9);
    app.Fake().Take();
    const std::wstring versionField = app.FieldText(1020);
    for (int32_t code : codes) {
        const std::string what =
            std::string(kUpgrade.exportName) + " result " + std::to_string(code);
        app.Fake().Script({std::string(kUpgrade.exportName) + " result " + std::to_string(code)});
        app.ExpectResultBoxes(1018, expected::BoxesFor(kUpgrade, code), what);
        const e2e::LibraryEvent call = OneCall(ctx, app, kUpgrade.exportName, what);
        ctx.ExpectEq(call.Field("port"), std::string("9"), what + ": port");
        ctx.ExpectEq(call.Field("imagePath"), e2e::HexText(expected::kFirmwareImagePath),
                     what + ": path");
    }
    ctx.ExpectEq(app.FieldText(1020), versionField, "the upgrade writes no field");
}
