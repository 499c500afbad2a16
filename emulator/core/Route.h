// Where the emulated logger's vehicle is at any moment: a car that drives a
// closed loop through eastern Taipei, past the two user points the tool
// writes, with a speed that swells and ebbs. The position is a closed-form
// function of time, so logging the same interval twice gives the same fixes.
#ifndef VANTREL_EMULATOR_CORE_ROUTE_H
#define VANTREL_EMULATOR_CORE_ROUTE_H

#include <cstdint>

#include "GpsFix.h"

namespace orlog7emu {

GpsFix FixAt(int64_t unixSeconds);

// How many seconds after `unixSeconds` a fix can first be `metres` further
// from any place than the fix then, and its speed `centiKnots` (0.01 knot)
// higher; at least 1. Logging passes over the seconds between, in which no
// fix can be due.
int64_t SecondsUntilFurther(int64_t unixSeconds, double metres);
int64_t SecondsUntilFaster(double centiKnots);

// Ground distance in metres between two fixes (equirectangular; fine for the
// few kilometres of the loop).
double DistanceMetres(const GpsFix& a, const GpsFix& b);

}  // namespace orlog7emu

#endif
