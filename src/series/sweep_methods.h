#pragma once
// The method columns along a sweep: at each point the hop changed and calculated as the point's,
// then the classic and current methods on it, for one curve per method.

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "itu/hop_methods.h"
#include "series/sweep.h"

namespace korvel {

// The columns at every point of the range, in order; a point whose calculation stopped has
// columns without figures. Sweeping the rain rate sweeps R0.01 of the current methods too
// (source "swept"). sites may be null.
std::vector<std::array<itu::MethodResult, 3>> sweepMethods(const HopState& hop, SweepInput input,
                                                           const SweepRange& range,
                                                           const HopSites* sites,
                                                           const itu::ClimateInputs& climate);
// The same at `values`, in their order (the diameters the library offers, say).
std::vector<std::array<itu::MethodResult, 3>> sweepMethods(const HopState& hop, SweepInput input,
                                                           std::span<const double> values,
                                                           const HopSites* sites,
                                                           const itu::ClimateInputs& climate);

// A method's curve along a sweep: its total worst-month outage, or its annual rain outage when
// the rain rate is swept.
std::optional<double> methodCurveValue(const itu::MethodResult& m, SweepInput input);

} // namespace korvel
