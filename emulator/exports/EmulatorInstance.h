// The one emulated logger of the process, made at the first call that needs
// it from the INI file next to the DLL, which is read then and only then. It
// lives until the DLL is unloaded, which ends its hold on the port.
#ifndef VANTREL_EMULATOR_EXPORTS_EMULATORINSTANCE_H
#define VANTREL_EMULATOR_EXPORTS_EMULATORINSTANCE_H

#include <cstdint>

#include "ExportGuard.h"
#include "VirtualLogger.h"

namespace orlog7emu {

// Throws (std::bad_alloc and the like) when it cannot be made; the next call
// tries again.
VirtualLogger& TheLogger();

// Holds the process's export lock for one scope: the logger is not made for
// concurrent calls, so a caller on several threads waits its turn.
class ExportLock {
public:
    ExportLock();
    ~ExportLock();
    ExportLock(const ExportLock&) = delete;
    ExportLock& operator=(const ExportLock&) = delete;
};

// Runs an export's body on the logger, one call at a time, guarded.
template <typename Body>
int32_t OnTheLogger(int32_t outOfMemory, int32_t failure, Body&& body) noexcept {
    const ExportLock serialized;
    return Guarded(outOfMemory, failure, [&] { return body(TheLogger()); });
}

}  // namespace orlog7emu

#endif
