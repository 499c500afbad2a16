// The emulator session on Vantrel.exe as built: drive g: filled by the
// fixture tool, and the emulator's state file in the case's scratch folder
// (an ORLOG7_DLL.ini beside the exe says so), so every run starts with a
// factory-fresh logger and the two runs of the session share it.
#include <string>

#include "EmulatorRig.h"
#include "EmulatorSession.h"
#include "Text.h"

E2E_CASE(emulator_session, full_session_and_persisted_state) {
    e2e::EmulatorSessionSetup setup;
    setup.imageVersion = "V2.31";  // written by the fixture tool, not the factory's V1.00
    e2e::PrepareDriveG(ctx, setup.imageVersion);
    setup.stateFile = ctx.Paths().scratchRoot + L"\\" + e2e::Widen(ctx.Name()) + L"\\logger.state";
    const std::string ini =
        "\xEF\xBB\xBF[Emulator]\r\nPort=5\r\nUnplugged=0\r\nNoGpsFix=0\r\n"
        "TransferDelayMsPerKiB=0\r\nStateFile=" +
        e2e::Narrow(setup.stateFile) + "\r\n";
    setup.launch.besideExe.push_back({L"ORLOG7_DLL.ini", ini});
    e2e::WalkEmulatorSession(ctx, setup);
}
