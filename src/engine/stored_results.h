#pragma once
// Whether the results a hop file keeps still belong to its data.

#include "engine/hop_record.h"

namespace korvel {

// A hop file keeps the hop's data and the results of its last calculation, but not the data those
// results came from. So results are current when calculating the hop's data again gives them
// back: every result of the calculation (the rain results, a calculation of their own, aside)
// within a millionth of its value, far above the rounding of any two builds and far below what
// a changed radio, length, height or loss moves the outage by. A calculation that stops or gives
// no finite result cannot have given stored results. `hop` is as prepared for a calculation.
bool storedResultsCurrent(const HopState& hop);

} // namespace korvel
