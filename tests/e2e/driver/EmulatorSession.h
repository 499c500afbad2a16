// A whole session on the logger emulator, as a user walks through it: every
// operation against a factory-fresh emulated logger, with drive g: holding
// the voice prompts and a firmware image, then a second run of Vantrel on
// the same state file that finds the serial number, firmware and settings
// kept, and the log grown by the time away.
#ifndef VANTREL_TESTS_E2E_EMULATORSESSION_H
#define VANTREL_TESTS_E2E_EMULATORSESSION_H

#include <string>

#include "AppSession.h"
#include "CaseContext.h"

namespace e2e {

struct EmulatorSessionSetup {
    std::string imageVersion;  // of the image on drive g:
    std::wstring stateFile;    // where the emulator keeps the logger: absent before
    LaunchOptions launch;      // for both runs of Vantrel
};

void WalkEmulatorSession(CaseContext& ctx, const EmulatorSessionSetup& setup);

}  // namespace e2e

#endif
