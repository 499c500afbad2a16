// The settings write (1004) and readback (1007) through the real window: the
// bytes and values the library receives, and the nineteen fields the
// readback writes after its box.
#include <map>
#include <string>
#include <vector>

#include "AppSession.h"
#include "Build.h"
#include "tests/common/ExpectedSettingsTexts.h"
#include "Text.h"

namespace {

const char kWrite[] = "KZ_ORLOG7_SETTING_DEVICE";
const char kRead[] = "KZ_ORLOG7_READ_SETTING_VALUE";

const expected::Operation& kWriteOp = expected::OperationOf(1004);
const expected::Operation& kReadOp = expected::OperationOf(1007);
const std::vector<int>& kReadbackFields = kReadOp.outputFields;

std::vector<std::wstring> Fields(e2e::AppSession& app) {
    std::vector<std::wstring> texts;
    for (int id : kReadbackFields)
        texts.push_back(app.FieldText(id));
    return texts;
}

// Slot n (0-based) of a call's "slots=" field.
std::string SlotOf(const e2e::LibraryEvent& call, std::size_t n) {
    const std::string slots = call.Field("slots");
    return slots.size() >= n * 9 + 8 ? slots.substr(n * 9, 8) : slots;
}

// A call's logged values apart from the port (and the slots, which hold it).
std::map<std::string, std::string> WithoutPort(const e2e::LibraryEvent& call) {
    std::map<std::string, std::string> fields = call.fields;
    fields.erase("port");
    fields.erase("slots");
    fields.erase("result");
    return fields;
}

// The raw slots of a write; the values, path and table in them are checked
// on every call by the hostile-library sweep. Without slots (x64), the
// values as declared: the port, and -1 as a signed 32-bit displacement.
void ExpectWrittenSlots(e2e::CaseContext& ctx, const e2e::LibraryEvent& call, int port,
                        const std::string& what) {
    ctx.ExpectEq(call.Field("port"), std::to_string(port), what + ": port");
    if (!e2e::kArgumentSlots) {
        ctx.ExpectEq(call.Field("timeInterval"), std::string("1"), what + ": time interval");
        ctx.ExpectEq(call.Field("displacementInterval"), std::string("-1"),
                     what + ": displacement -1");
        return;
    }
    ctx.ExpectEq(SlotOf(call, 0).substr(6, 2), std::string(port == 5 ? "05" : "07"),
                 what + ": low byte of the port slot");
    ctx.ExpectEq(SlotOf(call, 1), std::string("00000001"), what + ": time interval slot");
    ctx.ExpectEq(SlotOf(call, 2), std::string("ffffffff"), what + ": displacement -1 in 32 bits");
}

}  // namespace

// Two clicks send the same arguments apart from the port, read anew. Every
// code of the write, with these arguments each time, is the hostile-library
// sweep's.
E2E_CASE(settings, write_sends_fixed_values) {
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.Fake().Take();
    const std::vector<std::wstring> before = Fields(app);
    std::map<std::string, std::string> firstCall;
    for (int port : {5, 7}) {
        const std::string what = "port " + std::to_string(port);
        app.SelectPort(port);
        app.Fake().SetResult(kWrite, 14);
        app.ExpectResultBoxes(1004, expected::BoxesFor(kWriteOp, 14), what);
        const e2e::LibraryEvent call = app.OneCall(kWrite, what);
        if (call.name.empty())
            continue;
        ExpectWrittenSlots(ctx, call, port, what);
        if (firstCall.empty())
            firstCall = WithoutPort(call);
        else
            ctx.Expect(WithoutPort(call) == firstCall,
                       what + ": every other argument as on the first click");
    }
    ctx.Expect(Fields(app) == before, "the write changes no field");
}

// The readback of what the write sent: the fake answers with the very values
// and table bytes it received.
E2E_CASE(settings, readback_of_written_values) {
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.Fake().SetResult(kWrite, 14);
    app.ExpectResultBoxes(1004, expected::BoxesFor(kWriteOp, 14), "write");
    const e2e::LibraryEvent write = app.OneCall(kWrite, "write");
    ctx.Require(!write.name.empty(), "the write reached the library");

    std::vector<std::string> script = {std::string(kRead) + " result 22"};
    for (const char* name :
         {"timeInterval", "displacementInterval", "vibration", "tag", "minSpeedLimit", "userPoints",
          "tagMode", "timeZone", "carSpeedLimit"}) {
        script.push_back(std::string(kRead) + " " + name + " " + write.Field(name));
    }
    // Only the lowest-addressed byte of a four-byte output counts.
    ctx.ExpectEq(write.Field("intoIdleTimer"), std::string("10"), "idle timer sent");
    script.push_back(std::string(kRead) + " intoIdleTimer hex:0aa55ac3");
    app.Fake().Script(script);

    app.ExpectOperation(kReadOp, 22, expected::WrittenSettingsReadback(), "readback");

    // The outputs reach the library zeroed.
    const e2e::LibraryEvent read = app.OneCall(kRead, "read");
    if (!read.name.empty()) {
        ctx.ExpectEq(read.Field("port"), std::string("2"), "read port (COM02 at start)");
        for (const char* name : {"timeInterval.in", "displacementInterval.in", "minSpeedLimit.in",
                                 "intoIdleTimer.in", "carSpeedLimit.in"}) {
            ctx.ExpectEq(read.Field(name), std::string("hex:00000000"), name);
        }
    }
}

// Codes other than 22 leave every field alone; a vibration byte of 1 leaves
// its field alone; a library that writes nothing shows zeros.
E2E_CASE(settings, readback_codes_and_untouched_fields) {
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    for (int32_t code : {26, 12, 14, 2, 0, 99}) {
        const std::string what = "read code " + std::to_string(code);
        app.Fake().Answer(kRead, code, {"timeInterval 5", "vibration 2"});
        app.ExpectOperation(kReadOp, code, {}, what);
    }

    // Success with nothing written: user points preset to zero, and the
    // other outputs too.
    app.Fake().Answer(kRead, 22);
    app.ExpectOperation(kReadOp, 22, expected::ReadbackFields(expected::Settings{}), "empty read");

    // Vibration 1 leaves 1010 as the last reading set it; the rest change.
    app.Fake().Answer(kRead, 22,
                      {"vibration 1", "timeZone -13", "carSpeedLimit 251", "timeInterval -2"});
    expected::Settings odd;
    odd.vibration = 1;
    odd.timeZone = -13;
    odd.carSpeedLimit = 251;
    odd.timeInterval = -2;
    app.ExpectOperation(kReadOp, 22, expected::ReadbackFields(odd), "vibration 1");
}
