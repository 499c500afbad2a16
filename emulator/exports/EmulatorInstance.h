// The one emulated logger of the process, made on first use from the INI file
// next to the DLL.
#ifndef VANTREL_EMULATOR_EXPORTS_EMULATORINSTANCE_H
#define VANTREL_EMULATOR_EXPORTS_EMULATORINSTANCE_H

#include "VirtualLogger.h"

namespace orlog7emu {

// Throws (std::bad_alloc and the like) when it cannot be made; the next call
// tries again.
VirtualLogger& TheLogger();

}  // namespace orlog7emu

#endif
