#include "EmulatorRig.h"

#include <windows.h>

#include "Files.h"
#include "Text.h"
#include "tests/common/ExpectedResults.h"
#include "tests/common/ExpectedSettingsTexts.h"

namespace e2e {

// Runs a console tool to its end with its output discarded; true on exit code 0.
bool RunTool(const std::wstring& exe, const std::wstring& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE nul =
        CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = nul;
    startup.hStdError = nul;
    PROCESS_INFORMATION info{};
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    const bool started = CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &info) != FALSE;
    if (nul != INVALID_HANDLE_VALUE)
        CloseHandle(nul);
    if (!started)
        return false;
    DWORD code = 1;
    if (WaitForSingleObject(info.hProcess, 30000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(info.hProcess, &code);
    } else {
        TerminateProcess(info.hProcess, 1);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return code == 0;
}

void PrepareDriveG(CaseContext& ctx, const std::string& imageVersion) {
    const std::wstring image = Widen(expected::kFirmwareImagePath);
    const std::wstring waves = Widen(expected::kWaveFilePath);
    const std::wstring& tool = ctx.Paths().fixturesExe;
    ctx.Require(!tool.empty(), "the fixture tool (--fixtures) was not given");
    ctx.Require(Exists(L"g:\\"), "drive g: is mapped (run_e2e.sh maps it to <scratch>/g)");
    ctx.Require(!Exists(L"g:\\abcd"), "drive g: starts empty");
    ctx.Require(RunTool(tool, L"waves " + waves), "fixture tool: voice prompts");
    ctx.Require(RunTool(tool, L"image " + image + L" " + Widen(imageVersion)),
                "fixture tool: firmware image");
    ctx.Require(Exists(waves + L"\\VP08.wav") && Exists(image), "fixtures written");
}

}  // namespace e2e
