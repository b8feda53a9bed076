#pragma once
// The checks HopCalc runs on an accepted route before its hops are calculated.

#include "platform/messages.h"
#include "route/route_record.h"

namespace korvel {

// Every hop has a file name; hop objectives below 1e-10 % are confirmed once; a sum of hop
// objectives that differs from the route objective by more than 1e-10 % is confirmed. Cancel on
// a question, a missing name or an invalid hop count stop (false). Never changes the route.
bool checkHopsBeforeCalculation(const RouteState& state, Messages& messages);

} // namespace korvel
