#pragma once
// A route's figures for one method from its hops' columns: the §2.3.7 simultaneous fading of
// their total worst-month outages at the mean of their fade margins, and the sum of their rain.

#include <optional>
#include <span>

#include "itu/method_result.h"
#include "itu/route_fading.h"

namespace korvel::itu {

struct RouteMethodTotal {
    std::optional<double> fadeDepthDb;   // the mean of the hops' fade margins
    std::optional<double> worstMonthPct; // none when a hop has no total
    RouteRainOutage rain;                // labelled kRouteRainLabel
    bool rainComplete = true;            // every hop had a rain figure
};

// The hops' columns of one method, in route order (at most 20 hops).
RouteMethodTotal routeMethodTotal(std::span<const MethodResult* const> hops);

} // namespace korvel::itu
