// The emulator session on Vantrel.exe as a user runs it, the driver
// attached to each of two runs (--attach): from the zip, laid out with
// drive g: filled as its README.txt says and started with plain
// "wine Vantrel.exe" (tests/package/check_zip.sh), the logger in the user's
// local application data; and from the Linux launcher (below).
#include <windows.h>

#include <string>

#include "EmulatorSession.h"
#include "Text.h"

namespace {

// The session on the Vantrel the user started, with the firmware image
// V2.00 on drive g: (README.txt has the user write it; the launcher writes
// it), the logger in the file `variable` names, followed by `rest`.
void WalkUserSession(e2e::CaseContext& ctx, const wchar_t* variable, const wchar_t* rest) {
    ctx.Require(ctx.Paths().attach, "this case drives a Vantrel the user started (--attach)");
    wchar_t value[MAX_PATH] = {};
    ctx.Require(GetEnvironmentVariableW(variable, value, MAX_PATH) > 0,
                e2e::Narrow(variable) + " is set");
    e2e::EmulatorSessionSetup setup;
    setup.imageVersion = "V2.00";
    setup.stateFile = std::wstring(value) + rest;
    e2e::WalkEmulatorSession(ctx, setup);
}

}  // namespace

E2E_CASE(user_zip, emulator_session) {
    WalkUserSession(ctx, L"LOCALAPPDATA", L"\\Vantrel\\ORLOG7 Emulator\\logger.state");
}

// The window the Linux launcher starts (tests/package/check_install.sh
// starts it twice with the vantrel command), the logger where the launcher
// keeps it.
E2E_CASE(user_install, emulator_session) {
    WalkUserSession(ctx, L"VANTREL_STATE_FILE", L"");
}
