#pragma once
// The hop's verdict by the method the planner chose for it: the classic judgement as it always
// was, or a current column's total worst-month outage against the hop's outage objective. The
// methods table and the results' headline verdict both ask here.

#include <array>

#include "engine/hop_verdict.h"
#include "geo/verdict_method.h"
#include "itu/method_result.h"

namespace korvel::itu {

MethodId methodOf(VerdictMethod method);

// A column's own verdict: None when it has no total (outside its method, or missing an input).
ObjectiveVerdict columnVerdict(const MethodResult& column);

// `columns` in the order of hopMethods(). Classic: hopVerdict(hop). A current method: its total
// and verdict in place of the classic ones, the rest (objective, diversity, rain) the hop's own;
// no verdict when the column has no total.
HopVerdict methodHopVerdict(const HopState& hop, VerdictMethod method,
                            const std::array<MethodResult, 3>& columns);

} // namespace korvel::itu
