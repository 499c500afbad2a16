// The build the driver and the program it drives belong to: 32-bit or 64-bit
// Windows. In the 32-bit convention every argument is a 4-byte stack slot,
// which the recording fake reads whole (a port travels in the low byte of
// its slot). In the 64-bit one arguments travel in registers, and only the
// declared values are observable: the cases check those there.
#ifndef VANTREL_TESTS_E2E_BUILD_H
#define VANTREL_TESTS_E2E_BUILD_H

namespace e2e {

constexpr bool kArgumentSlots = sizeof(void*) == 4;

constexpr const char* kBuildDescription =
    kArgumentSlots ? "32-bit build: the library's argument slots are checked whole"
                   : "64-bit build: arguments travel in registers, so their declared values "
                     "are checked, not 32-bit stack slots";

}  // namespace e2e

#endif
