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

// `columns` in the order of hopMethods(). Classic: multipathJudgement(hop). A current method: its
// total against the hop's outage objective; no verdict when the column has no total. The margin
// needed is the classic fade distribution's, so a current column does not give one.
OutageJudgement methodHopJudgement(const HopState& hop, VerdictMethod method,
                                   const std::array<MethodResult, 3>& columns);

} // namespace korvel::itu
