// Drive g: for a session on the logger emulator: the voice prompts and a
// firmware image where the tool's fixed paths point, made by the fixture tool.
#ifndef VANTREL_TESTS_E2E_EMULATORRIG_H
#define VANTREL_TESTS_E2E_EMULATORRIG_H

#include <string>

#include "CaseContext.h"

namespace e2e {

// Runs a console tool to its end with its output discarded; true on exit code 0.
bool RunTool(const std::wstring& exe, const std::wstring& arguments);

// Drive g: must be the run's own, still empty folder (run_e2e.sh maps it);
// fills it as scripts/run does, with an image of `imageVersion`.
void PrepareDriveG(CaseContext& ctx, const std::string& imageVersion);

}  // namespace e2e

#endif
