// The hostile-library sweep: one Vantrel.exe, all fourteen operation buttons,
// and a fake library that answers every code from -1 to 255 and a set of
// large ones (the listed codes with junk above their low byte, the extremes
// of 32 bits), while writing nothing into the outputs, filling every buffer
// to its last byte without a terminator, or writing extreme numbers.
//
// After every click all output fields are read and compared with a model of
// the window: the boxes must be exactly the listed messages, the fields the
// operation writes must hold exactly the expected texts, and every other
// field must be as it was. Every call must have received the same arguments
// whatever the code. The program must still answer at the end.
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "AppSession.h"
#include "Build.h"
#include "Text.h"
#include "hostile_library/LibraryOutputs.h"
#include "hostile_library/SettingsOutputs.h"
#include "tests/common/ExpectedResults.h"

namespace {

using hostile::Outputs;

// The serial text typed for button 1027, and the value it must pass.
const wchar_t kSerialText[] = L"4294967295";
const char kSerialValue[] = "4294967295";

// One button of the sweep: its expected behaviour, and how a hostile
// library fills the export's outputs.
struct Operation {
    const expected::Operation& rules;
    hostile::OutputsFunction outputs;  // nullptr: the export has no outputs
    int variants;
};

const std::vector<Operation>& Operations() {
    using namespace hostile;
    struct Filler {
        int button;
        OutputsFunction outputs;
        int variants;
    };
    const Filler fillers[] = {
        {1022, &ScanOutputs, kScanVariants},
        {1007, &SettingsOutputs, kSettingsVariants},
        {1006, &DllVersionOutputs, kTextVariants},
        {1015, &DeviceInformationOutputs, kTextVariants},
        {1024, &GpsUtcTimeOutputs, kGpsVariants},
        {1039, &MemoryOutputs, kMemoryVariants},
        {1019, &BinFileVersionOutputs, kTextVariants},
    };
    static std::vector<Operation> operations;
    if (operations.empty()) {
        for (const expected::Operation& rules : expected::Operations()) {
            Operation op{rules, nullptr, 1};
            for (const Filler& filler : fillers) {
                if (filler.button == rules.button) {
                    op.outputs = filler.outputs;
                    op.variants = filler.variants;
                }
            }
            operations.push_back(op);
        }
    }
    return operations;
}

// What every call of an export must receive besides the port, whatever the
// library answers: fixed paths and settings, and outputs preset to zero.
struct Argument {
    int button;
    std::string name;  // as the fake logs it
    std::string value;
};

const std::vector<Argument>& Arguments() {
    static const std::vector<Argument> arguments = [] {
        const expected::Settings s = expected::WrittenSettings();
        const std::string zero4 = "hex:00000000";
        std::vector<Argument> list = {
            {1014, "slots", "-"},
            {1022, "scannedPort.in", zero4},
            {1002, "dumpFilePath", e2e::HexText(expected::kDumpFilePath)},
            {1004, "waveFilePath", e2e::HexText(expected::kWaveFilePath)},
            {1004, "userPoints",
             e2e::HexText(std::string(s.userPoints.begin(), s.userPoints.end()))},
            {1015, "serialNumber.in", zero4},
            {1039, "usedSize.in", zero4},
            {1018, "imagePath", e2e::HexText(expected::kFirmwareImagePath)},
            {1019, "imagePath", e2e::HexText(expected::kFirmwareImagePath)},
            {1027, "serialNumber", kSerialValue},
        };
        if (e2e::kArgumentSlots)
            list.push_back({1027, "slots", "ffffffff"});
        const std::pair<const char*, int> settings[] = {
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
        for (const auto& value : settings) {
            list.push_back({1004, value.first, std::to_string(value.second)});
        }
        for (const char* name : {"timeInterval.in", "displacementInterval.in", "minSpeedLimit.in",
                                 "intoIdleTimer.in", "carSpeedLimit.in"}) {
            list.push_back({1007, name, zero4});
        }
        for (const char* name :
             {"hour.in", "minute.in", "second.in", "year.in", "month.in", "day.in"}) {
            list.push_back({1024, name, "hex:00"});
        }
        return list;
    }();
    return arguments;
}

// Every code from -1 to 255, the extremes of 32 bits, and each listed code
// with junk above its low byte, above its low 16 bits and in the sign bit.
std::vector<int32_t> CodesFor(const Operation& op) {
    std::vector<int32_t> codes;
    for (int32_t code = -1; code <= 255; ++code) {
        codes.push_back(code);
    }
    const int32_t extremes[] = {INT32_MIN, INT32_MIN + 1, INT32_MAX, -2,   -255,
                                -256,      256,           65535,     65536};
    codes.insert(codes.end(), std::begin(extremes), std::end(extremes));
    for (int32_t listed : op.rules.listed) {
        const int32_t aliases[] = {listed + 256, listed + 65536, listed - 256, INT32_MIN + listed};
        codes.insert(codes.end(), std::begin(aliases), std::end(aliases));
    }
    return codes;
}

// What one click must show and change.
struct Expected {
    std::vector<std::string> boxes;
    std::map<int, std::wstring> fields;        // written by the click
    std::map<int, std::wstring> whileBoxOpen;  // the written fields as the first box sees them
};

Expected ExpectedOutcome(const Operation& op, int32_t code, const Outputs& outputs,
                         const std::map<int, std::wstring>& before) {
    Expected want;
    want.boxes = expected::BoxesFor(op.rules, code);
    if (!expected::WritesFields(op.rules, code)) {
        return want;
    }
    want.fields = outputs.fields;
    if (!want.boxes.empty()) {
        for (const auto& field : outputs.fields) {
            want.whileBoxOpen[field.first] = op.rules.fields == expected::Fields::BeforeBox
                                                 ? field.second
                                                 : before.at(field.first);
        }
    }
    return want;
}

class Sweep {
public:
    Sweep(e2e::CaseContext& ctx, e2e::AppSession& app) : ctx_(ctx), app_(app) {
        // Every output field of the main window: those of all the operations.
        for (const expected::Operation& op : expected::Operations()) {
            for (int id : op.outputFields) {
                handles_[id] = app_.Control(id);
            }
        }
        model_ = ReadFields();
        selection_ = app_.Ask(app_.Control(1005), CB_GETCURSEL);
    }

    void Run(const Operation& op) {
        const std::vector<int32_t> codes = CodesFor(op);
        std::vector<int32_t> called;
        failuresHere_ = 0;
        for (std::size_t i = 0; i < codes.size(); ++i) {
            // A listed code meets every output variant; the others take turns.
            const bool all = expected::Lists(op.rules, codes[i]);
            for (int variant = 0; variant < op.variants; ++variant) {
                if (!all && variant != static_cast<int>(i % op.variants)) {
                    continue;
                }
                Click(op, codes[i], variant);
                called.push_back(codes[i]);
            }
        }
        CheckCalls(op, called);
        CheckAnswers(op.rules.exportName);
        if (failuresHere_ > kFailuresShown) {
            ctx_.Fail(std::string(op.rules.exportName) + ": " +
                      std::to_string(failuresHere_ - kFailuresShown) + " more failures not shown");
        }
        ctx_.Require(!app_.Exited(),
                     std::string(op.rules.exportName) + ": the program is still running");
    }

    int Clicks() const { return salt_; }

private:
    static constexpr int kFailuresShown = 20;

    void Fail(const std::string& what) {
        if (++failuresHere_ <= kFailuresShown) {
            ctx_.Fail(what);
        } else {  // counted, not worth a line each
            ctx_.SetEcho(false);
            ctx_.Fail(what);
            ctx_.SetEcho(true);
        }
    }

    // Reads every field's text as the window manager holds it (no message
    // to the program, so thousands of reads stay cheap); CheckAnswers checks
    // that the program answers WM_GETTEXT with the same texts.
    std::map<int, std::wstring> ReadFields() const {
        std::map<int, std::wstring> texts;
        for (const auto& handle : handles_) {
            wchar_t text[1024];
            const int length = InternalGetWindowText(handle.second, text, 1024);
            texts[handle.first] =
                std::wstring(text, static_cast<std::size_t>(length > 0 ? length : 0));
        }
        return texts;
    }

    void CheckAnswers(const std::string& what) {
        const std::map<int, std::wstring> held = ReadFields();
        for (const auto& handle : handles_) {
            const std::wstring answered = e2e::WindowText(handle.second);
            if (!ctx_.Counted(answered == held.at(handle.first))) {
                Fail(what + ": field " + std::to_string(handle.first) + " answers " +
                     e2e::Describe(answered) + " but holds " +
                     e2e::Describe(held.at(handle.first)));
            }
        }
        // The serial field is an edit control, which keeps its text to itself.
        const std::wstring serial = app_.FieldText(1026);
        if (!ctx_.Counted(serial == kSerialText)) {
            Fail(what + ": the serial field reads " + e2e::Describe(serial));
        }
    }

    void Click(const Operation& op, int32_t code, int variant) {
        const int salt = ++salt_;
        const Outputs outputs = op.outputs != nullptr ? op.outputs(variant, salt) : Outputs{};
        app_.Fake().Answer(op.rules.exportName, code, outputs.lines);

        const std::string what =
            std::string(op.rules.exportName) + " code " + std::to_string(code) +
            (op.outputs != nullptr ? " variant " + std::to_string(variant) : "");
        const Expected want = ExpectedOutcome(op, code, outputs, model_);
        std::vector<int> snapshot;
        for (const auto& field : outputs.fields) {
            snapshot.push_back(field.first);
        }

        const e2e::CommandOutcome outcome = app_.Click(op.rules.button, snapshot);
        if (!ctx_.Counted(outcome.returned)) {
            Fail(what + ": the click did not return");
        }
        CheckBoxes(want, outcome, what);

        std::map<int, std::wstring> after = model_;
        for (const auto& field : want.fields) {
            after[field.first] = field.second;
        }
        const std::map<int, std::wstring> actual = ReadFields();
        for (const auto& field : after) {
            const std::wstring& got = actual.at(field.first);
            if (!ctx_.Counted(got == field.second)) {
                Fail(what + ": field " + std::to_string(field.first) + " is " + e2e::Describe(got) +
                     ", expected " + e2e::Describe(field.second) +
                     (want.fields.count(field.first) != 0 ? "" : " (not to be written)"));
            }
        }
        model_ = actual;  // one fault is reported once, not on every later click
        if (!ctx_.Counted(app_.Ask(app_.Control(1005), CB_GETCURSEL) == selection_)) {
            Fail(what + ": the port selection moved");
        }
    }

    void CheckBoxes(const Expected& want, const e2e::CommandOutcome& outcome,
                    const std::string& what) {
        std::string seen;
        for (const e2e::BoxSeen& box : outcome.boxes) {
            seen += " " + e2e::Describe(box.text);
        }
        if (!ctx_.Counted(outcome.boxes.size() == want.boxes.size())) {
            Fail(what + ": " + std::to_string(outcome.boxes.size()) + " boxes," + seen +
                 "; expected " + std::to_string(want.boxes.size()));
            return;
        }
        for (std::size_t i = 0; i < want.boxes.size(); ++i) {
            const e2e::BoxSeen& box = outcome.boxes[i];
            if (!ctx_.Counted(box.text == e2e::Widen(want.boxes[i]) &&
                              box.caption == e2e::Widen(expected::kResultCaption) &&
                              box.ownedByMainWindow && !box.hasIcon && box.buttons.size() == 1)) {
                Fail(what + ": box " + e2e::Describe(box.caption) + " " + e2e::Describe(box.text) +
                     ", expected \"API-return\" " + e2e::Describe(want.boxes[i]) +
                     " owned by the main window, no icon, one button");
            }
        }
        if (want.boxes.empty()) {
            return;
        }
        for (const auto& field : want.whileBoxOpen) {
            auto it = outcome.boxes[0].fields.find(field.first);
            if (!ctx_.Counted(it != outcome.boxes[0].fields.end() && it->second == field.second)) {
                Fail(what + ": field " + std::to_string(field.first) +
                     " while the box was open is " +
                     (it == outcome.boxes[0].fields.end() ? std::string("unread")
                                                          : e2e::Describe(it->second)) +
                     ", expected " + e2e::Describe(field.second));
            }
        }
    }

    // One call per click, in order, each returning the code scripted for it.
    void CheckCalls(const Operation& op, const std::vector<int32_t>& codes) {
        const std::vector<e2e::LibraryEvent> calls = e2e::CallsOf(app_.Fake().Take());
        if (!ctx_.Counted(calls.size() == codes.size())) {
            Fail(std::string(op.rules.exportName) + ": " + std::to_string(calls.size()) +
                 " library calls for " + std::to_string(codes.size()) + " clicks");
            return;
        }
        for (std::size_t i = 0; i < codes.size(); ++i) {
            const std::string what =
                std::string(op.rules.exportName) + " call " + std::to_string(i);
            if (!ctx_.Counted(calls[i].name == op.rules.exportName &&
                              calls[i].Field("result") == std::to_string(codes[i]))) {
                Fail(what + ": " + calls[i].line + ", expected result=" + std::to_string(codes[i]));
            }
            CheckArguments(op.rules, calls[i], what);
        }
    }

    // The arguments are the same whatever the library answers.
    void CheckArguments(const expected::Operation& op, const e2e::LibraryEvent& call,
                        const std::string& what) {
        struct Check {
            std::string name, got, wanted;
        };
        std::vector<Check> checks;
        if (op.takesPort) {
            const int port = static_cast<int>(selection_) & 0xFF;
            char lowByte[3];
            std::snprintf(lowByte, sizeof lowByte, "%02x", port);
            const std::string slots = call.Field("slots");
            checks.push_back({"port", call.Field("port"), std::to_string(port)});
            if (e2e::kArgumentSlots)
                checks.push_back({"low byte of the port slot",
                                  slots.size() >= 8 ? slots.substr(6, 2) : slots, lowByte});
        }
        for (const Argument& argument : Arguments()) {
            if (argument.button == op.button) {
                checks.push_back({argument.name, call.Field(argument.name), argument.value});
            }
        }
        for (const Check& check : checks) {
            if (!ctx_.Counted(check.got == check.wanted)) {
                Fail(what + ": " + check.name + " " + check.got + ", expected " + check.wanted);
            }
        }
    }

    e2e::CaseContext& ctx_;
    e2e::AppSession& app_;
    std::map<int, HWND> handles_;
    std::map<int, std::wstring> model_;
    LRESULT selection_ = 0;
    int salt_ = 0;
    int failuresHere_ = 0;
};

}  // namespace

E2E_CASE(hostile_library, every_code_and_output_on_every_button) {
    e2e::AppSession app(ctx, e2e::Library::Full);
    app.Link();
    app.SetFieldText(1026, kSerialText);
    app.Fake().Take();

    const DWORD start = GetTickCount();
    Sweep sweep(ctx, app);
    for (const Operation& op : Operations()) {
        sweep.Run(op);
    }
    std::printf("  %d clicks in %lu ms\n", sweep.Clicks(),
                static_cast<unsigned long>(GetTickCount() - start));

    // Still alive and answering: a plain read shows its box and its field,
    // and the window gives its texts.
    app.Fake().Script(
        {"KZ_ORLOG7_READ_DLL_VERSION result 21", "KZ_ORLOG7_READ_DLL_VERSION version text:alive"});
    app.ExpectResultBox(1006, 21, "after the sweep");
    app.ExpectFields(expected::DllVersionFields("alive"), "after the sweep");
    ctx.ExpectEq(e2e::WindowText(app.Dialog()), std::wstring(L"Vantrel"),
                 "after the sweep: the window title");
    ctx.ExpectEq(app.FieldText(1026), std::wstring(kSerialText),
                 "after the sweep: the serial text");

    // And it still closes the ordinary way, releasing the library.
    app.Click(IDCANCEL);
    ctx.Expect(app.WaitForExit(10000), "the program ended on Exit");
    bool released = false;
    for (const e2e::LibraryEvent& event : app.Fake().Take()) {
        released = released || event.line == "detach by=FreeLibrary";
    }
    ctx.Expect(released, "the library was released on Exit");
}
