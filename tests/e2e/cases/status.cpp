// The four status readouts (1006, 1015, 1024, 1039) through the real window:
// each code's box, the fields read while the box is open (which proves
// whether they are written before or after it), the fields afterwards, and
// what the library was called with.
#include <string>
#include <vector>

#include "AppSession.h"
#include "Text.h"
#include "tests/common/ExpectedFieldTexts.h"

namespace {

// One click: the library's outputs and code, and the fields those outputs
// must give whenever the operation writes them.
struct Step {
    std::vector<std::string> outputs;  // "<key> <value>" for the export
    int result;
    expected::Events shown;
};

// Runs one step and returns the call the library logged ("<absent>" fields
// when there was not exactly one).
e2e::LibraryEvent RunStep(e2e::AppSession& app, int button, const Step& step) {
    const expected::Operation& op = expected::OperationOf(button);
    const std::string what = std::string(op.exportName) + " result " + std::to_string(step.result) +
                             (step.outputs.empty() ? "" : " " + step.outputs.front());
    app.Fake().Answer(op.exportName, step.result, step.outputs);
    app.ExpectOperation(op, step.result, step.shown, what);
    return app.OneCall(op.exportName, what);
}

// The number of 4-byte slots the call passed.
std::size_t SlotCount(const e2e::LibraryEvent& call) {
    const std::string slots = call.Field("slots");
    return slots == "-" ? 0 : (slots.size() + 1) / 9;
}

std::string Repeat(char c, std::size_t n) {
    return std::string(n, c);
}
std::string HexFill(char c, std::size_t n) {
    return e2e::HexText(Repeat(c, n));
}

}  // namespace

E2E_CASE(status, dll_version) {
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.Fake().Take();
    using expected::DllVersionFields;
    const Step steps[] = {
        {{"version text:2.1.0"}, 26, DllVersionFields("2.1.0")},
        {{"version text:2.1.0"}, 21, DllVersionFields("2.1.0")},
        {{"version text:9.9"}, 0, DllVersionFields("9.9")},
        {{"version text:9.9"}, 99, DllVersionFields("9.9")},
        {{}, 21, DllVersionFields("")},
        // Filled to its last byte, no terminator: the twenty bytes and no more.
        {{"version " + HexFill('V', 20)}, 21, DllVersionFields(Repeat('V', 20))},
    };
    for (const Step& step : steps) {
        const e2e::LibraryEvent call = RunStep(app, 1006, step);
        ctx.ExpectEq(SlotCount(call), 1u, "DLL version: one argument");
    }
}

E2E_CASE(status, device_information) {
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.SelectPort(7);
    app.Fake().Take();
    using expected::DeviceInformationFields;
    const std::vector<std::string> outputs = {
        "serialNumber 4294967295", "firmwareVersion text:1.05", "distributorName text:Acme Ltd",
        "modelName text:ORLOG7"};
    const expected::Events written =
        DeviceInformationFields(4294967295u, "1.05", "Acme Ltd", "ORLOG7");
    // Outputs the library leaves alone show as empty and 0.
    const expected::Events unwritten = DeviceInformationFields(0, "", "", "");
    const Step steps[] = {
        {outputs, 27, written},
        {outputs, 29, written},
        {{"serialNumber 0"}, 26, unwritten},
        {{"serialNumber 0"}, 28, unwritten},
        // Not listed: the fields are written from whatever came back, no box.
        {{"serialNumber 0"}, 12, unwritten},
        // Every text filled to its last byte without a terminator.
        {{"serialNumber 1", "firmwareVersion " + HexFill('F', 8),
          "distributorName " + HexFill('D', 32), "modelName " + HexFill('M', 32)},
         29,
         DeviceInformationFields(1, Repeat('F', 8), Repeat('D', 32), Repeat('M', 32))},
    };
    for (const Step& step : steps) {
        const e2e::LibraryEvent call = RunStep(app, 1015, step);
        ctx.ExpectEq(call.Field("port"), std::string("7"), "device information: port");
        ctx.ExpectEq(call.Field("serialNumber.in"), std::string("hex:00000000"),
                     "device information: serial number preset to 0");
    }
}

E2E_CASE(status, gps_time) {
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.SelectPort(-1);
    app.Fake().Take();
    using expected::GpsTimeFields;
    const std::vector<std::string> example = {"hour 9", "minute 5", "second 3",
                                              "year 7", "month 12", "day 25"};
    const expected::Events exampleShown = GpsTimeFields(9, 5, 3, 7, 12, 25);
    const Step steps[] = {
        {example, 38, exampleShown},
        {example, 26, exampleShown},
        {example, 39, exampleShown},
        // Not listed: written without a box, values as delivered.
        {{"hour 24", "minute 60", "second 0", "year 255", "month 13", "day 0"},
         0,
         GpsTimeFields(24, 60, 0, 255, 13, 0)},
        // Nothing written by the library: zeros.
        {{}, 39, GpsTimeFields(0, 0, 0, 0, 0, 0)},
    };
    for (const Step& step : steps) {
        const e2e::LibraryEvent call = RunStep(app, 1024, step);
        ctx.ExpectEq(SlotCount(call), 6u, "GPS time: six addresses, no port");
        ctx.ExpectEq(call.Field("hour.in") + call.Field("day.in"), std::string("hex:00hex:00"),
                     "GPS time: outputs preset to 0");
    }
}

E2E_CASE(status, memory_used) {
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.Fake().Take();
    using expected::MemoryFields;
    const Step steps[] = {
        {{"usedSize 1048576"}, 12, MemoryFields(1048576)},
        {{"usedSize 1048576"}, 26, MemoryFields(1048576)},
        {{"usedSize 1048576"}, 45, MemoryFields(1048576)},
        {{"usedSize 0"}, 45, MemoryFields(0)},
        {{"usedSize 4000000"}, 45, MemoryFields(4000000)},  // a negative free size
        // Not listed: written without a box.
        {{"usedSize -1"}, 99, MemoryFields(-1)},
        {{}, 45, MemoryFields(0)},
    };
    for (const Step& step : steps) {
        const e2e::LibraryEvent call = RunStep(app, 1039, step);
        ctx.ExpectEq(SlotCount(call), 1u, "memory: one argument, no port");
        ctx.ExpectEq(call.Field("usedSize.in"), std::string("hex:00000000"),
                     "memory: used size preset to 0");
    }
}
