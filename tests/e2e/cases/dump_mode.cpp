// The five dump-mode buttons: every listed code's box, codes they do not
// list, the arguments the library received, and the auto-scan report.
#include <cstdio>
#include <vector>

#include "AppSession.h"
#include "Text.h"

namespace {

struct Code {
    int code;
    const char* text;
};

struct DumpModeButton {
    int id;
    const char* exportName;
    bool takesPort;
    std::vector<Code> listed;   // in the order the operation compares them
    std::vector<int> unlisted;  // codes that must show nothing
};

const std::vector<DumpModeButton>& Buttons() {
    static const std::vector<DumpModeButton> buttons = {
        {1013,
         "KZ_ORLOG7_INTO_DUMP_MODE",
         true,
         {{3, "3 return_open_com_port_Error"},
          {4, "4 return_can_not_into_dump_mode"},
          {24, "24 return_into_dump_mode_successful"}},
         {0, 1, 25, 99, -1}},
        {1022,
         "KZ_ORLOG7_AUTO_INTO_DUMP_MODE",
         false,
         {{3, "3 return_open_com_port_Error"},
          {4, "4 return_can_not_into_dump_mode"},
          {24, "24 return_into_dump_mode_successful"}},
         {0, 1, 25, 99}},
        {1014,
         "KZ_ORLOG7_EXIT_DUMP_MODE",
         false,
         {{25, "25 return_exit_dump_mode_successful"}},
         {0, 1, 24, 26, 99}},
        {1002,
         "KZ_ORLOG7_DUMP_DB",
         true,
         {{26, "26 return_not_dump_mode"},
          {5, "5 return_pc_not_enough_memory"},
          {6, "6 return_can_not_build_dump_file"},
          {7, "7 return_can_not_build_StorDB_file"},
          {8, "8 return_can_not_build_output_file"},
          {9, "9 return_can_not_open_dump_file"},
          {10, "10 return_can_not_open_storDB_file"},
          {11, "11 return_can_not_open_output_file"},
          {12, "12 return_device_not_report"},
          {2, "return_dump_db_successful"}},
         {0, 1, 3, 13, 99}},
        {1003,
         "KZ_ORLOG7_ERASE_All_DB",
         true,
         {{26, "26 return_not_dump_mode"},
          {12, "12 return_device_not_report"},
          {13, "13 return_erase_db_successful"}},
         {0, 1, 2, 99}},
    };
    return buttons;
}

const char kDumpPath[] = "g:\\abcd\\123456.dat";

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
    if (button.id == 1002) {
        ctx.ExpectEq(call.Field("dumpFilePath"), e2e::HexText(kDumpPath), what + ": dump path");
    } else if (button.id == 1022) {
        ctx.ExpectEq(call.Field("scannedPort.in"), std::string("hex:00000000"),
                     what + ": scanned port preset");
    } else if (button.id == 1014) {
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
        for (const Code& code : button.listed) {
            const std::string what =
                std::string(button.exportName) + " code " + std::to_string(code.code);
            app.Fake().SetResult(button.exportName, code.code);
            app.ExpectResultBox(button.id, "API-return", code.text, what);
            const std::vector<e2e::LibraryEvent> calls = e2e::CallsOf(app.Fake().Take());
            const e2e::LibraryEvent* call = OneCall(ctx, calls, button.exportName, what);
            if (call == nullptr)
                continue;
            if (button.takesPort)
                ExpectPort(ctx, *call, 5, what);
            ExpectOtherArguments(ctx, button, *call, what);
        }
        for (int code : button.unlisted) {
            const std::string what =
                std::string(button.exportName) + " unlisted code " + std::to_string(code);
            app.Fake().SetResult(button.exportName, code);
            app.ExpectNoBox(button.id, what);
            OneCall(ctx, e2e::CallsOf(app.Fake().Take()), button.exportName, what);
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
            if (!button.takesPort)
                continue;
            const std::string what = std::string(button.exportName) + " at position " +
                                     std::to_string(selection.position);
            app.Fake().SetResult(button.exportName, button.listed.back().code);
            app.ExpectResultBox(button.id, "API-return", button.listed.back().text, what);
            const std::vector<e2e::LibraryEvent> calls = e2e::CallsOf(app.Fake().Take());
            const e2e::LibraryEvent* call = OneCall(ctx, calls, button.exportName, what);
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
        const char* box;          // nullptr: no box
        const wchar_t* field;     // field 1023 afterwards
    };
    const wchar_t* const kTemplate = L"( Auto Scan to COM )";
    const Scan scans[] = {
        {24, "0", "24 return_into_dump_mode_successful", kTemplate},
        {24, nullptr, "24 return_into_dump_mode_successful", kTemplate},
        {3, "7", "3 return_open_com_port_Error", kTemplate},
        {4, "7", "4 return_can_not_into_dump_mode", kTemplate},
        {24, "5", "24 return_into_dump_mode_successful", L"( Auto Scan to COM 5 )"},
        {0, "7", nullptr, L"( Auto Scan to COM 7 )"},
        {3, "9", "3 return_open_com_port_Error", L"( Auto Scan to COM 7 )"},
        {24, "0", "24 return_into_dump_mode_successful", L"( Auto Scan to COM 7 )"},
        {24, "12", "24 return_into_dump_mode_successful", L"( Auto Scan to COM 12 )"},
        {99, "3", nullptr, L"( Auto Scan to COM 3 )"},
        {24, "-5", "24 return_into_dump_mode_successful", L"( Auto Scan to COM -5 )"},
    };
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    const char* const kAuto = "KZ_ORLOG7_AUTO_INTO_DUMP_MODE";
    for (const Scan& scan : scans) {
        const std::string what = "result " + std::to_string(scan.result) + ", port " +
                                 (scan.scannedPort != nullptr ? scan.scannedPort : "unwritten");
        std::vector<std::string> script{std::string(kAuto) + " result " +
                                        std::to_string(scan.result)};
        if (scan.scannedPort != nullptr)
            script.push_back(std::string(kAuto) + " scannedPort " + scan.scannedPort);
        app.Fake().Script(script);
        const std::wstring before = app.FieldText(1023);
        const e2e::CommandOutcome outcome = app.Click(1022, {1023});
        ctx.Expect(outcome.returned, what + ": the click returned");
        if (scan.box == nullptr) {
            ctx.ExpectEq(outcome.boxes.size(), 0u, what + ": boxes");
        } else if (ctx.ExpectEq(outcome.boxes.size(), 1u, what + ": boxes")) {
            ctx.ExpectEq(outcome.boxes[0].text, e2e::Widen(scan.box), what + ": text");
            // The report is written only after the box is closed.
            ctx.ExpectEq(outcome.boxes[0].fields.at(1023), before,
                         what + ": field 1023 while the box is open");
        }
        ctx.ExpectEq(app.FieldText(1023), std::wstring(scan.field),
                     what + ": field 1023 afterwards");
        ctx.ExpectEq(static_cast<long long>(app.Ask(app.Control(1005), CB_GETCURSEL)), 2LL,
                     what + ": the selector keeps COM02");
    }
}
