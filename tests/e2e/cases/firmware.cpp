// The firmware image buttons through the real window: the version read
// (1019) writes field 1020 before its box and passes no port; the upgrade
// (1018) shows a second box after its success.
#include <string>
#include <vector>

#include "AppSession.h"
#include "Text.h"

namespace {

const char kRead[] = "KZ_ORLOG7_Read_BinFile_FW_Version";
const char kUpgrade[] = "KZ_ORLOG7_FW_UPGRADE";
const char kImagePath[] = "g:\\abcd\\binfile\\ORLOG7_Encode.Bin";
const char kFinished[] = "F/W Upgrade Finish,Please Remove USB Cable";

// The boxes a click showed, each checked as a result box.
std::vector<std::string> ResultBoxes(e2e::CaseContext& ctx, const e2e::CommandOutcome& outcome,
                                     const std::string& what) {
    ctx.Expect(outcome.returned, what + ": the click returned");
    std::vector<std::string> texts;
    for (const e2e::BoxSeen& box : outcome.boxes) {
        ctx.ExpectEq(box.caption, std::wstring(L"API-return"), what + ": caption");
        ctx.Expect(box.ownedByMainWindow && !box.hasIcon && box.buttons.size() == 1,
                   what + ": owned, no icon, one button");
        texts.push_back(e2e::Narrow(box.text));
    }
    return texts;
}

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

using Texts = std::vector<std::string>;

// The texts in order, for comparing and printing.
std::string Join(const Texts& texts) {
    std::string joined;
    for (const std::string& text : texts)
        joined += "[" + text + "]";
    return joined;
}

}  // namespace

E2E_CASE(firmware, bin_file_version) {
    struct Step {
        int result;
        std::string version;  // script value; empty: not written
        const char* box;      // nullptr: none
        std::string field;    // field 1020 afterwards; empty: unchanged
    };
    const std::string full = std::string(64, 'B');
    const Step steps[] = {
        {5, "text:X", "5 return_pc_not_enough_memory", ""},
        {31, "text:X", "31 return_error_bin_file_path", ""},
        {32, "text:X", "32 return_can_not_open_bin_file", ""},
        {33, "text:X", "33 return_bin_file_size_error", ""},
        {34, "text:X", "34 return_not_correct_bin_file", ""},
        {36, "text:X", "36 return_bin_file_checksum_error", ""},
        {26, "text:X", nullptr, ""},  // the upgrade's codes are not this one's
        {35, "text:X", nullptr, ""},
        {0, "text:X", nullptr, ""},
        {37, "text:V2.05", "37 return_read_binfile_FW_version_successful",
         "( Bin File FW Version = V2.05 )"},
        // Not written: the zeroed buffer shows an empty version.
        {37, "", "37 return_read_binfile_FW_version_successful", "( Bin File FW Version =  )"},
        // Filled to its last byte: the sixty-four bytes and nothing beyond.
        {37, e2e::HexText(full), "37 return_read_binfile_FW_version_successful",
         "( Bin File FW Version = " + full + " )"},
    };
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.SelectPort(-1);  // no port is passed, so any selection will do
    app.Fake().Take();
    ctx.ExpectEq(app.FieldText(1020), std::wstring(L"( Bin File FW Version = ? )"),
                 "template text");
    for (const Step& step : steps) {
        const std::string what = std::string(kRead) + " result " + std::to_string(step.result);
        std::vector<std::string> script = {std::string(kRead) + " result " +
                                           std::to_string(step.result)};
        if (!step.version.empty())
            script.push_back(std::string(kRead) + " version " + step.version);
        app.Fake().Script(script);
        const std::wstring before = app.FieldText(1020);
        const std::wstring after = step.field.empty() ? before : e2e::Widen(step.field);
        const e2e::CommandOutcome outcome = app.Click(1019, {1020});
        const Texts boxes = ResultBoxes(ctx, outcome, what);
        ctx.ExpectEq(Join(boxes), Join(step.box ? Texts{step.box} : Texts{}), what + ": boxes");
        if (!outcome.boxes.empty()) {
            // The report is in place while the box is open.
            ctx.ExpectEq(outcome.boxes[0].fields.at(1020), after, what + ": field 1020 while open");
        }
        ctx.ExpectEq(app.FieldText(1020), after, what + ": field 1020");
        const e2e::LibraryEvent call = OneCall(ctx, app, kRead, what);
        ctx.ExpectEq(call.Field("imagePath"), e2e::HexText(kImagePath), what + ": path");
        ctx.ExpectEq(call.Field("slots").size(), 17u, what + ": two arguments");
    }
}

E2E_CASE(firmware, upgrade) {
    struct Step {
        int result;
        Texts boxes;
    };
    const Step steps[] = {
        {5, {"5 return_pc_not_enough_memory"}},
        {26, {"26 return_not_dump_mode"}},
        {31, {"31 return_error_bin_file_path"}},
        {32, {"32 return_can_not_open_bin_file"}},
        {33, {"33 return_bin_file_size_error"}},
        {34, {"34 return_not_correct_bin_file"}},
        {36, {"36 return_bin_file_checksum_error"}},
        {35, {"35 return_upgrade_firmware_successful", kFinished}},
        {37, {}},  // the version read's success is not this one's
        {0, {}},
    };
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.SelectPort(9);
    app.Fake().Take();
    const std::wstring versionField = app.FieldText(1020);
    for (const Step& step : steps) {
        const std::string what = std::string(kUpgrade) + " result " + std::to_string(step.result);
        app.Fake().Script({std::string(kUpgrade) + " result " + std::to_string(step.result)});
        const Texts boxes = ResultBoxes(ctx, app.Click(1018), what);
        ctx.ExpectEq(Join(boxes), Join(step.boxes), what + ": boxes");
        const e2e::LibraryEvent call = OneCall(ctx, app, kUpgrade, what);
        ctx.ExpectEq(call.Field("port"), std::string("9"), what + ": port");
        ctx.ExpectEq(call.Field("imagePath"), e2e::HexText(kImagePath), what + ": path");
    }
    ctx.ExpectEq(app.FieldText(1020), versionField, "the upgrade writes no field");
}
