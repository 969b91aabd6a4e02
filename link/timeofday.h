#pragma once

#include "ftdii2c.h"

namespace linktime {

// The present time with microsecond resolution. A monotonic clock stands in
// for the wall clock so that a clock adjustment cannot cut a wait short or
// stretch it.
FtdiI2c::TimeOfDay now();

// Milliseconds from `since` to now, as a floating-point value.
double elapsedMs(const FtdiI2c::TimeOfDay &since);

}  // namespace linktime
