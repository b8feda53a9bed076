#pragma once
// Dividing the route's outage objective (%) over its hops.

#include <array>
#include <optional>

#include "route/route_record.h"

namespace korvel {

// Every hop objective = route objective / hop count, not rounded.
void divideByNumber(RouteState& state);

// Hop objectives in proportion to the hop lengths (km); a total length not above 0 leaves them.
void divideByLength(RouteState& state);

// The division of the record's method; manual (or an unknown method) computes nothing.
void applyDivision(RouteState& state);

// The route's availability objective (% of a year) divided as its outage objective is: each hop
// in proportion to its share of the outage objective, evenly when those add up to nothing.
// None without an availability objective.
std::optional<std::array<double, kMaxRouteHops>> availabilityShares(const RouteState& state);

} // namespace korvel
