// The emulator session on Vantrel.exe as a user runs it from the zip: laid
// out, with drive g: filled, as the zip's README.txt says, and started by
// the user (tests/package/check_zip.sh starts it twice with plain
// "wine Vantrel.exe"); the driver attaches to each run (--attach). The
// logger lives where README.txt says, in the user's local application data.
#include <windows.h>

#include <string>

#include "EmulatorSession.h"

E2E_CASE(user_zip, emulator_session) {
    ctx.Require(ctx.Paths().attach, "this case drives a Vantrel the user started (--attach)");
    wchar_t localAppData[MAX_PATH] = {};
    ctx.Require(GetEnvironmentVariableW(L"LOCALAPPDATA", localAppData, MAX_PATH) > 0,
                "LOCALAPPDATA is set");
    e2e::EmulatorSessionSetup setup;
    setup.imageVersion = "V2.00";  // the version README.txt has the user write
    setup.stateFile = std::wstring(localAppData) + L"\\Vantrel\\ORLOG7 Emulator\\logger.state";
    e2e::WalkEmulatorSession(ctx, setup);
}
