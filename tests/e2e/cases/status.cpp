// The four status readouts (1006, 1015, 1024, 1039) through the real window:
// each code's box, the fields read while the box is open (which proves
// whether they are written before or after it), the fields afterwards, and
// what the library was called with.
#include <string>
#include <vector>

#include "AppSession.h"
#include "Text.h"

namespace {

struct Readout {
    int button;
    const char* exportName;
    std::vector<int> fields;  // in the order they are written
    bool fieldsBeforeBox;     // written before the box is shown
};

const Readout kDllVersion = {1006, "KZ_ORLOG7_READ_DLL_VERSION", {1012}, false};
const Readout kDeviceInformation = {
    1015, "KZ_ORLOG7_READ_DEVICE_INFORMATION", {1017, 1016, 1043, 1046}, true};
const Readout kGpsTime = {1024, "KZ_ORLOG7_READ_GPS_UTC_TIME_DATE", {1025}, false};
const Readout kMemory = {1039, "KZ_ORLOG7_READ_MEMORY_USED_SIZE", {1040, 1041}, false};

// One click: the library's outputs and code, the box it must show (nullptr:
// none) and each field afterwards (nullptr: unchanged).
struct Step {
    std::vector<std::string> outputs;  // "<key> <value>" for the export
    int result;
    const char* box;
    std::vector<const char*> fields;
};

// Runs one step and returns the call the library logged ("<absent>" fields
// when there was not exactly one).
e2e::LibraryEvent RunStep(e2e::CaseContext& ctx, e2e::AppSession& app, const Readout& readout,
                          const Step& step) {
    const std::string what = std::string(readout.exportName) + " result " +
                             std::to_string(step.result) +
                             (step.outputs.empty() ? "" : " " + step.outputs.front());
    std::vector<std::string> script = {std::string(readout.exportName) + " result " +
                                       std::to_string(step.result)};
    for (const std::string& output : step.outputs) {
        script.push_back(std::string(readout.exportName) + " " + output);
    }
    app.Fake().Script(script);

    std::vector<std::wstring> before, after;
    for (std::size_t i = 0; i < readout.fields.size(); ++i) {
        before.push_back(app.FieldText(readout.fields[i]));
        const char* expected = i < step.fields.size() ? step.fields[i] : nullptr;
        after.push_back(expected != nullptr ? e2e::Widen(expected) : before.back());
    }

    const e2e::CommandOutcome outcome = app.Click(readout.button, readout.fields);
    ctx.Expect(outcome.returned, what + ": the click returned");
    if (step.box == nullptr) {
        ctx.ExpectEq(outcome.boxes.size(), 0u, what + ": boxes");
    } else if (ctx.ExpectEq(outcome.boxes.size(), 1u, what + ": boxes")) {
        const e2e::BoxSeen& box = outcome.boxes[0];
        ctx.ExpectEq(box.caption, std::wstring(L"API-return"), what + ": caption");
        ctx.ExpectEq(box.text, e2e::Widen(step.box), what + ": text");
        ctx.Expect(box.ownedByMainWindow && !box.hasIcon, what + ": owned, no icon");
        for (std::size_t i = 0; i < readout.fields.size(); ++i) {
            const int id = readout.fields[i];
            ctx.ExpectEq(box.fields.at(id), readout.fieldsBeforeBox ? after[i] : before[i],
                         what + ": field " + std::to_string(id) + " while the box is open");
        }
    }
    for (std::size_t i = 0; i < readout.fields.size(); ++i) {
        const int id = readout.fields[i];
        ctx.ExpectEq(app.FieldText(id), after[i], what + ": field " + std::to_string(id));
    }

    const std::vector<e2e::LibraryEvent> calls = e2e::CallsOf(app.Fake().Take());
    if (ctx.ExpectEq(calls.size(), 1u, what + ": calls") &&
        ctx.ExpectEq(calls[0].name, std::string(readout.exportName), what + ": export")) {
        return calls[0];
    }
    return e2e::LibraryEvent();
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
    const std::string full = "( DLL Version = " + Repeat('V', 20) + " )";
    const Step steps[] = {
        {{"version text:2.1.0"}, 26, nullptr, {}},
        {{"version text:2.1.0"},
         21,
         "21 return_read_dll_version__successful",
         {"( DLL Version = 2.1.0 )"}},
        {{"version text:9.9"}, 0, nullptr, {}},
        {{"version text:9.9"}, 99, nullptr, {}},
        {{}, 21, "21 return_read_dll_version__successful", {"( DLL Version =  )"}},
        // Filled to its last byte, no terminator: the twenty bytes and no more.
        {{"version " + HexFill('V', 20)},
         21,
         "21 return_read_dll_version__successful",
         {full.c_str()}},
    };
    for (const Step& step : steps) {
        const e2e::LibraryEvent call = RunStep(ctx, app, kDllVersion, step);
        ctx.ExpectEq(SlotCount(call), 1u, "DLL version: one argument");
    }
}

E2E_CASE(status, device_information) {
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.SelectPort(7);
    app.Fake().Take();
    const std::vector<std::string> outputs = {
        "serialNumber 4294967295", "firmwareVersion text:1.05", "distributorName text:Acme Ltd",
        "modelName text:ORLOG7"};
    const std::vector<const char*> written = {"( SerialNumber = 4294967295 )", "( FW Ver = 1.05 )",
                                              "( Distributor Name = Acme Ltd )",
                                              "( Model Name = ORLOG7 )"};
    const std::string fullFw = "( FW Ver = " + Repeat('F', 8) + " )";
    const std::string fullDistributor = "( Distributor Name = " + Repeat('D', 32) + " )";
    const std::string fullModel = "( Model Name = " + Repeat('M', 32) + " )";
    const Step steps[] = {
        {outputs, 27, "27 return_read_null_device_info", {}},
        {outputs, 29, "29 return_read_device_info_successful", written},
        {{"serialNumber 0"}, 26, "26 return_not_dump_mode", {}},
        {{"serialNumber 0"}, 28, "28 return_can_not_read_device_info", {}},
        // Not listed: the fields are written from whatever came back, no box.
        // Outputs the library leaves alone show as empty and 0.
        {{"serialNumber 0"},
         12,
         nullptr,
         {"( SerialNumber = 0 )", "( FW Ver =  )", "( Distributor Name =  )", "( Model Name =  )"}},
        // Every text filled to its last byte without a terminator.
        {{"serialNumber 1", "firmwareVersion " + HexFill('F', 8),
          "distributorName " + HexFill('D', 32), "modelName " + HexFill('M', 32)},
         29,
         "29 return_read_device_info_successful",
         {"( SerialNumber = 1 )", fullFw.c_str(), fullDistributor.c_str(), fullModel.c_str()}},
    };
    for (const Step& step : steps) {
        const e2e::LibraryEvent call = RunStep(ctx, app, kDeviceInformation, step);
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
    const std::vector<std::string> example = {"hour 9", "minute 5", "second 3",
                                              "year 7", "month 12", "day 25"};
    const Step steps[] = {
        {example, 38, "38 return_read_gps_utc_time_invalid", {}},
        {example, 26, "26 return_not_dump_mode", {}},
        {example,
         39,
         "39 return_read_gps_utc_time_successful",
         {"( GPS UTC = 9:5:3  ,  25,12,7 )"}},
        // Not listed: written without a box, values as delivered.
        {{"hour 24", "minute 60", "second 0", "year 255", "month 13", "day 0"},
         0,
         nullptr,
         {"( GPS UTC = 24:60:0  ,  0,13,255 )"}},
        // Nothing written by the library: zeros.
        {{}, 39, "39 return_read_gps_utc_time_successful", {"( GPS UTC = 0:0:0  ,  0,0,0 )"}},
    };
    for (const Step& step : steps) {
        const e2e::LibraryEvent call = RunStep(ctx, app, kGpsTime, step);
        ctx.ExpectEq(SlotCount(call), 6u, "GPS time: six addresses, no port");
        ctx.ExpectEq(call.Field("hour.in") + call.Field("day.in"), std::string("hex:00hex:00"),
                     "GPS time: outputs preset to 0");
    }
}

E2E_CASE(status, memory_used) {
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.Fake().Take();
    const Step steps[] = {
        {{"usedSize 1048576"}, 12, "12 return_device_not_report", {}},
        {{"usedSize 1048576"}, 26, "26 return_not_dump_mode", {}},
        {{"usedSize 1048576"},
         45,
         "45 return_read_memory_used_size_successful",
         {"( Memory Used Size = 1048576 Bytes )", "( Free Memory Size = 2949120 Bytes )"}},
        {{"usedSize 0"},
         45,
         "45 return_read_memory_used_size_successful",
         {"( Memory Used Size = 0 Bytes )", "( Free Memory Size = 3997696 Bytes )"}},
        {{"usedSize 4000000"},
         45,
         "45 return_read_memory_used_size_successful",
         {"( Memory Used Size = 4000000 Bytes )", "( Free Memory Size = -2304 Bytes )"}},
        // Not listed: written without a box.
        {{"usedSize -1"},
         99,
         nullptr,
         {"( Memory Used Size = -1 Bytes )", "( Free Memory Size = 3997697 Bytes )"}},
        {{},
         45,
         "45 return_read_memory_used_size_successful",
         {"( Memory Used Size = 0 Bytes )", "( Free Memory Size = 3997696 Bytes )"}},
    };
    for (const Step& step : steps) {
        const e2e::LibraryEvent call = RunStep(ctx, app, kMemory, step);
        ctx.ExpectEq(SlotCount(call), 1u, "memory: one argument, no port");
        ctx.ExpectEq(call.Field("usedSize.in"), std::string("hex:00000000"),
                     "memory: used size preset to 0");
    }
}
