// The result codes the emulated library answers with: the library's own
// names, from the contract the tool also compares against.
#ifndef VANTREL_EMULATOR_CORE_RESULTCODE_H
#define VANTREL_EMULATOR_CORE_RESULTCODE_H

#include "devicelib/ResultCodes.h"

namespace orlog7emu {

namespace code = ::vantrel::code;

}  // namespace orlog7emu

#endif
