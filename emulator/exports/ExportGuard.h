// Runs the body of an export so that no exception crosses the C boundary:
// running out of memory answers `outOfMemory`, anything else `failure`.
#ifndef VANTREL_EMULATOR_EXPORTS_EXPORTGUARD_H
#define VANTREL_EMULATOR_EXPORTS_EXPORTGUARD_H

#include <cstdint>
#include <new>

namespace orlog7emu {

template <typename Body>
int32_t Guarded(int32_t outOfMemory, int32_t failure, Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return outOfMemory;
    } catch (...) {
        return failure;
    }
}

}  // namespace orlog7emu

#endif
