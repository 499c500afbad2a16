// The serial number (1027) through the real window: the text typed into
// field 1026, the value the library receives, and the "Info" box for a text
// that is not a number it can take. The codes of the call are the
// hostile-library sweep's.
#include <string>
#include <vector>

#include "AppSession.h"
#include "Text.h"

namespace {

const expected::Operation& kSettingSnOp = expected::OperationOf(1027);
const char* const kSettingSn = kSettingSnOp.exportName;
const char* const kRefused = expected::kSerialRefused;
const char* const kInfo = expected::kSerialRefusedCaption;

// Types `text` into field 1026, clicks, and requires the one box `caption`/`box`.
void ClickWith(e2e::AppSession& app, const std::wstring& text, const char* caption, const char* box,
               const std::string& what) {
    app.SetFieldText(1026, text);
    app.ExpectResultBox(1027, caption, box, what);
}

// The values of the Setting_SN calls since the last look.
std::vector<std::string> SentValues(e2e::AppSession& app) {
    std::vector<std::string> values;
    for (const e2e::LibraryEvent& call : e2e::CallsOf(app.Fake().Take())) {
        values.push_back(call.name == kSettingSn ? call.Field("serialNumber") : call.name);
    }
    return values;
}

std::string Join(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts)
        joined += "[" + text + "]";
    return joined;
}

}  // namespace

// Before linking: a bad text is refused first, a good one asks to link.
E2E_CASE(serial_number, before_linking) {
    e2e::AppSession app(ctx, e2e::Library::Full);
    ClickWith(app, L"", kInfo, kRefused, "empty text, not linked");
    ClickWith(app, L"12x", kInfo, kRefused, "bad text, not linked");
    ClickWith(app, L"42", expected::kResultCaption, expected::kPleaseLink, "good text, not linked");
    ctx.ExpectEq(app.Fake().All().size(), 0u, "library events");
    ctx.ExpectEq(app.FieldText(1026), std::wstring(L"42"), "the field keeps its text");
}

E2E_CASE(serial_number, typed_values) {
    struct Typed {
        std::wstring text;
        const char* sent;  // the value the library receives; nullptr: refused
    };
    const Typed typed[] = {
        {L"0", "0"},
        {L"1000000000", "1000000000"},
        {L"4294967295", "4294967295"},
        {L"007", "7"},
        {std::wstring(30, L'0') + L"42", "42"},
        {std::wstring(33, L'0') + L"123456", "123456"},  // 39 characters
        {L"", nullptr},
        {L" 42", nullptr},
        {L"42 ", nullptr},
        {L"+42", nullptr},
        {L"-42", nullptr},
        {L"4.2", nullptr},
        {L"1,000", nullptr},
        {L"4294967296", nullptr},  // above 32 bits: refused, never wrapped
        {L"99999999999", nullptr},
        {L"\xFF11\xFF12", nullptr},  // full-width digits
        // Longer than 39 characters: refused, never cut to another number.
        {std::wstring(39, L'0') + L"123456", nullptr},
        {std::wstring(40, L'0'), nullptr},
    };
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.Fake().SetResult(kSettingSn, 41);
    app.Fake().Take();
    for (const Typed& t : typed) {
        const std::string what = "typed \"" + e2e::Narrow(t.text) + "\"";
        if (t.sent != nullptr) {
            ClickWith(app, t.text, expected::kResultCaption, expected::MessageOf(41), what);
        } else {
            ClickWith(app, t.text, kInfo, kRefused, what);
        }
        ctx.ExpectEq(Join(SentValues(app)),
                     Join(t.sent ? std::vector<std::string>{t.sent} : std::vector<std::string>{}),
                     what + ": values sent");
        ctx.ExpectEq(app.FieldText(1026), t.text, what + ": the field keeps its text");
    }
}
