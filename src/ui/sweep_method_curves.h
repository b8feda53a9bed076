#pragma once
// The Sweep window's chart with the current methods beside the classic curves: P.530-17 and
// P.530-18 drawn as curves of their own and given as columns of the table.

#include <array>
#include <vector>

#include "itu/method_result.h"
#include "platform/chart_view.h"
#include "series/sweep_input.h"

namespace korvel {

// `columns`: the three method columns at each point of the sweep, in its order. A current
// method with no figure anywhere is left out, and a line under the verdict says why.
ChartContent withSweepMethodCurves(ChartContent chart, SweepInput input,
                                   const std::vector<std::array<itu::MethodResult, 3>>& columns);

} // namespace korvel
