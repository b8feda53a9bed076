#pragma once
// Dividing the route's outage objective (%) over its hops.

#include "route/route_record.h"

namespace korvel {

// Every hop objective = route objective / hop count, not rounded.
void divideByNumber(RouteState& state);

// Hop objectives in proportion to the hop lengths (km); a total length not above 0 leaves them.
void divideByLength(RouteState& state);

// The division of the record's method; manual (or an unknown method) computes nothing.
void applyDivision(RouteState& state);

} // namespace korvel
