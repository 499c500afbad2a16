// The firmware version read (1019) through the real window: field 1020 is
// written before its box, and no port is passed. The upgrade's codes, boxes
// and arguments are the hostile-library sweep's.
#include <string>
#include <vector>

#include "AppSession.h"
#include "Text.h"
#include "tests/common/ExpectedFieldTexts.h"

namespace {

const expected::Operation& kRead = expected::OperationOf(1019);

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
        std::vector<std::string> outputs;
        if (!step.version.empty())
            outputs.push_back("version " + step.version);
        app.Fake().Answer(kRead.exportName, step.result, outputs);
        app.ExpectOperation(kRead, step.result, expected::BinFileVersionFields(step.shown), what);
        const e2e::LibraryEvent call = app.OneCall(kRead.exportName, what);
        ctx.ExpectEq(call.Field("imagePath"), e2e::HexText(expected::kFirmwareImagePath),
                     what + ": path");
        ctx.ExpectEq(call.Field("slots").size(), 17u, what + ": two arguments");
    }
}
