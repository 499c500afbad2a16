// The settings write (1004) and readback (1007) through the real window: the
// bytes and values the library receives, and the nineteen fields the
// readback writes after its box.
#include <map>
#include <string>
#include <vector>

#include "AppSession.h"
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

void ExpectWrittenArguments(e2e::CaseContext& ctx, const e2e::LibraryEvent& call, int port,
                            const std::string& what) {
    const expected::Settings s = expected::WrittenSettings();
    ctx.ExpectEq(call.Field("port"), std::to_string(port), what + ": port");
    ctx.ExpectEq(SlotOf(call, 0).substr(6, 2), std::string(port == 5 ? "05" : "07"),
                 what + ": low byte of the port slot");
    ctx.ExpectEq(SlotOf(call, 1), std::string("00000001"), what + ": time interval slot");
    ctx.ExpectEq(SlotOf(call, 2), std::string("ffffffff"), what + ": displacement -1 in 32 bits");
    const std::pair<const char*, int> values[] = {
        {"timeInterval", s.timeInterval},
        {"displacementInterval", s.displacementInterval},
        {"vibration", s.vibration},
        {"tag", s.tag},
        {"minSpeedLimit", s.minSpeedLimit},
        {"intoIdleTimer", s.intoIdleTimer},
        {"tagMode", s.tagMode},
        {"timeZone", s.timeZone},
        {"carSpeedLimit", s.carSpeedLimit},
    };
    for (const auto& value : values) {
        ctx.ExpectEq(call.Field(value.first), std::to_string(value.second),
                     what + ": " + value.first);
    }
    ctx.ExpectEq(call.Field("waveFilePath"), e2e::HexText(expected::kWaveFilePath),
                 what + ": wave path");
    ctx.ExpectEq(call.Field("userPoints"),
                 e2e::HexText(std::string(s.userPoints.begin(), s.userPoints.end())),
                 what + ": user-point table");
}

}  // namespace

E2E_CASE(settings, write_sends_fixed_values) {
    // The seventeen listed codes, then three that show nothing.
    std::vector<int32_t> codes = kWriteOp.listed;
    codes.insert(codes.end(), {22, 2, 0});
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.SelectPort(5);
    app.Fake().Take();
    const std::vector<std::wstring> before = Fields(app);
    std::map<std::string, std::string> firstCall;
    for (int32_t code : codes) {
        const std::string what = "write code " + std::to_string(code);
        app.Fake().SetResult(kWrite, code);
        app.ExpectResultBoxes(1004, expected::BoxesFor(kWriteOp, code), what);
        const std::vector<e2e::LibraryEvent> calls = e2e::CallsOf(app.Fake().Take());
        const e2e::LibraryEvent* call = OneCall(ctx, calls, kWrite, what);
        if (call == nullptr)
            continue;
        ExpectWrittenArguments(ctx, *call, 5, what);
        if (firstCall.empty())
            firstCall = WithoutPort(*call);
    }
    ctx.Expect(Fields(app) == before, "the write changes no field");

    // A second click after another port is chosen: only the port differs.
    app.SelectPort(7);
    app.Fake().SetResult(kWrite, 14);
    app.ExpectResultBoxes(1004, expected::BoxesFor(kWriteOp, 14), "port 7");
    const std::vector<e2e::LibraryEvent> calls = e2e::CallsOf(app.Fake().Take());
    const e2e::LibraryEvent* call = OneCall(ctx, calls, kWrite, "port 7");
    if (call != nullptr) {
        ExpectWrittenArguments(ctx, *call, 7, "port 7");
        ctx.Expect(WithoutPort(*call) == firstCall,
                   "port 7: every other argument as on the first click");
    }
}

// The readback of what the write sent: the fake answers with the very values
// and table bytes it received.
E2E_CASE(settings, readback_of_written_values) {
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.Fake().SetResult(kWrite, 14);
    app.ExpectResultBoxes(1004, expected::BoxesFor(kWriteOp, 14), "write");
    const std::vector<e2e::LibraryEvent> writes = e2e::CallsOf(app.Fake().Take());
    const e2e::LibraryEvent* write = OneCall(ctx, writes, kWrite, "write");
    ctx.Require(write != nullptr, "the write reached the library");

    std::vector<std::string> script = {std::string(kRead) + " result 22"};
    for (const char* name :
         {"timeInterval", "displacementInterval", "vibration", "tag", "minSpeedLimit", "userPoints",
          "tagMode", "timeZone", "carSpeedLimit"}) {
        script.push_back(std::string(kRead) + " " + name + " " + write->Field(name));
    }
    // Only the lowest-addressed byte of a four-byte output counts.
    ctx.ExpectEq(write->Field("intoIdleTimer"), std::string("10"), "idle timer sent");
    script.push_back(std::string(kRead) + " intoIdleTimer hex:0aa55ac3");
    app.Fake().Script(script);

    const std::vector<std::wstring> before = Fields(app);
    const e2e::CommandOutcome outcome =
        app.ExpectResultBoxes(1007, expected::BoxesFor(kReadOp, 22), "readback", kReadbackFields);
    if (!outcome.boxes.empty()) {
        const e2e::BoxSeen& box = outcome.boxes[0];
        for (std::size_t i = 0; i < kReadbackFields.size(); ++i) {
            const int id = kReadbackFields[i];
            ctx.ExpectEq(box.fields.count(id) ? box.fields.at(id) : std::wstring(L"<unread>"),
                         before[i], "field " + std::to_string(id) + " while the box is open");
        }
    }
    app.ExpectFields(expected::WrittenSettingsReadback(), "readback");

    // The outputs reach the library zeroed.
    const std::vector<e2e::LibraryEvent> reads = e2e::CallsOf(app.Fake().Take());
    const e2e::LibraryEvent* read = OneCall(ctx, reads, kRead, "read");
    if (read != nullptr) {
        ctx.ExpectEq(read->Field("port"), std::string("2"), "read port (COM02 at start)");
        for (const char* name : {"timeInterval.in", "displacementInterval.in", "minSpeedLimit.in",
                                 "intoIdleTimer.in", "carSpeedLimit.in"}) {
            ctx.ExpectEq(read->Field(name), std::string("hex:00000000"), name);
        }
    }
}

// Codes other than 22 leave every field alone; a vibration byte of 1 leaves
// its field alone; a library that writes nothing shows zeros.
E2E_CASE(settings, readback_codes_and_untouched_fields) {
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    const std::vector<std::wstring> templates = Fields(app);
    for (int32_t code : {26, 12, 14, 2, 0, 99}) {
        const std::string what = "read code " + std::to_string(code);
        app.Fake().Script({std::string(kRead) + " result " + std::to_string(code),
                           std::string(kRead) + " timeInterval 5",
                           std::string(kRead) + " vibration 2"});
        app.ExpectResultBoxes(1007, expected::BoxesFor(kReadOp, code), what);
        ctx.Expect(Fields(app) == templates, what + ": no field changes");
    }

    // Success with nothing written: user points preset to zero, and the
    // other outputs too.
    app.Fake().Script({std::string(kRead) + " result 22"});
    app.ExpectResultBoxes(1007, expected::BoxesFor(kReadOp, 22), "empty read");
    const expected::Events zeros = expected::ReadbackFields(expected::Settings{});
    app.ExpectFields(zeros, "empty read");

    // Vibration 1 leaves 1010 as the last reading set it; the rest change.
    app.Fake().Script({std::string(kRead) + " result 22", std::string(kRead) + " vibration 1",
                       std::string(kRead) + " timeZone -13",
                       std::string(kRead) + " carSpeedLimit 251",
                       std::string(kRead) + " timeInterval -2"});
    app.ExpectResultBoxes(1007, expected::BoxesFor(kReadOp, 22), "vibration 1");
    expected::Settings odd;
    odd.vibration = 1;
    odd.timeZone = -13;
    odd.carSpeedLimit = 251;
    odd.timeInterval = -2;
    app.ExpectFields(expected::ReadbackFields(odd), "vibration 1");
    ctx.ExpectEq(app.FieldText(1010), e2e::Widen(zeros[2].text), "vibration 1: field 1010 kept");
}
