// Logging as time passes: appends to the log the fixes the logger would have
// recorded between the last moment considered and `now`, by its time and
// displacement intervals and its minimum speed, until memory is full.
#ifndef VANTREL_EMULATOR_CORE_RECORDER_H
#define VANTREL_EMULATOR_CORE_RECORDER_H

#include <cstdint>

#include "LoggerState.h"

namespace orlog7emu {

// Catching up never looks further back than this: a logger left alone for
// longer has long since filled its memory at any interval up to 10 seconds.
constexpr int64_t kMaxCatchUpSeconds = 31 * 86400;

// Returns the number of fixes appended. Logging ends with the last second a
// fix can carry (kLastFixTime), so that every state saved reads back.
size_t CatchUpLogging(LoggerState& state, int64_t now);

// Moves the logging point to `now` without recording (time in dump mode).
void SkipLoggingUntil(LoggerState& state, int64_t now);

}  // namespace orlog7emu

#endif
