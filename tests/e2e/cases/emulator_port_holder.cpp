// Two programs on one computer with the logger emulator: the logger's port
// opens in one of them at a time, as a real serial port does, and what one
// changed is what the other finds. A killed holder frees the port.
#include <memory>
#include <string>

#include "AppSession.h"
#include "Text.h"
#include "tests/common/ExpectedFieldTexts.h"

namespace {

const long long kFactoryDriveBytes = 28800;

// Vantrel.exe beside the emulator, whose state lives in `stateFile`.
e2e::LaunchOptions EmulatorWithState(const std::wstring& stateFile) {
    e2e::LaunchOptions options;
    options.besideExe.push_back({L"ORLOG7_DLL.ini", "[Emulator]\r\nPort=5\r\nStateFile=" +
                                                        e2e::Narrow(stateFile) + "\r\n"});
    return options;
}

std::unique_ptr<e2e::AppSession> StartLinkedOnCom05(e2e::CaseContext& ctx,
                                                    const e2e::LaunchOptions& options) {
    std::unique_ptr<e2e::AppSession> app(new e2e::AppSession(ctx, e2e::Library::Emulator, options));
    app->Link();
    app->SelectPort(5);
    return app;
}

void ExpectSerialNumber(e2e::CaseContext& ctx, e2e::AppSession& app, uint32_t serial,
                        const std::string& what) {
    app.ExpectResultBox(1015, 29, what);
    const expected::Event shown = expected::DeviceInformationFields(serial, "", "", "").front();
    ctx.ExpectEq(app.FieldText(shown.controlId), e2e::Widen(shown.text), what);
}

}  // namespace

E2E_CASE(emulator_port_holder, one_program_holds_the_port_and_nothing_is_lost) {
    const std::wstring stateFile =
        ctx.Paths().scratchRoot + L"\\" + e2e::Widen(ctx.Name()) + L"\\logger.state";
    const e2e::LaunchOptions options = EmulatorWithState(stateFile);
    std::unique_ptr<e2e::AppSession> first = StartLinkedOnCom05(ctx, options);
    std::unique_ptr<e2e::AppSession> second = StartLinkedOnCom05(ctx, options);

    first->ExpectResultBox(1013, 24, "first: into dump mode");
    ctx.Expect(GetFileAttributesW(stateFile.c_str()) != INVALID_FILE_ATTRIBUTES,
               "the state file is where the INI puts it");
    second->ExpectResultBox(1013, 3, "second: the held port");
    second->ExpectResultBox(1022, 4, "second: the scan skips the held port");
    first->SetFieldText(1026, L"4242");
    first->ExpectResultBox(1027, 41, "first: serial number");
    first->ExpectResultBox(1014, 25, "first: exit dump mode");

    second->ExpectResultBox(1013, 24, "second: the released port");
    ExpectSerialNumber(ctx, *second, 4242, "second: the first program's serial number");
    second->ExpectResultBox(1003, 13, "second: erase");
    first->ExpectResultBox(1013, 3, "first: the port held again");

    second.reset();  // killed in dump mode: the system ends its hold
    first->ExpectResultBox(1013, 24, "first: after the holder died");
    ExpectSerialNumber(ctx, *first, 4242, "first: serial number kept");
    first->ExpectResultBox(1039, 45, "first: memory after the other's erase");
    // The few 5-second fixes since the erase at most, not the factory drive.
    const long long used = expected::UsedSizeShown(e2e::Narrow(first->FieldText(1040)));
    ctx.Expect(used >= 0 && used < kFactoryDriveBytes,
               "first: the erase was kept, memory used " + e2e::Describe(used));
    first->SetFieldText(1026, L"77");
    first->ExpectResultBox(1027, 42, "first: the serial number is assigned");
    first->ExpectResultBox(1014, 25, "first: exit dump mode");
}

// The port hold has the state file's scope: programs on two state files (two
// users' own, say) are two loggers, each with its COM05.
E2E_CASE(emulator_port_holder, the_hold_goes_with_the_state_file) {
    const std::wstring folder = ctx.Paths().scratchRoot + L"\\" + e2e::Widen(ctx.Name());
    std::unique_ptr<e2e::AppSession> first =
        StartLinkedOnCom05(ctx, EmulatorWithState(folder + L"\\first\\logger.state"));
    std::unique_ptr<e2e::AppSession> second =
        StartLinkedOnCom05(ctx, EmulatorWithState(folder + L"\\second\\logger.state"));
    first->ExpectResultBox(1013, 24, "first state file: into dump mode");
    second->ExpectResultBox(1013, 24, "second state file: into dump mode");
    first->SetFieldText(1026, L"4242");
    first->ExpectResultBox(1027, 41, "first: serial number");
    ExpectSerialNumber(ctx, *second, 0, "second: a logger of its own");
}
