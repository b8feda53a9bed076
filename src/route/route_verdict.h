#pragma once
// The route's total against its objective, judged by the hop rule, and honest about what the
// total holds: never "meets" while a hop is not calculated or its results are out of date.

#include <optional>
#include <string>

#include "engine/hop_verdict.h"
#include "route/route_hop_status.h"
#include "route/route_record.h"

namespace korvel {

struct RouteVerdict {
    OutageJudgement total; // totalOutage against the route objective; None while incomplete
    int notCalculated = 0; // hops among the first hopCount
    int outOfDate = 0;
    int hopCount = 0;
    bool complete() const { return notCalculated == 0 && outOfDate == 0; }
};

RouteVerdict routeVerdict(const RouteRecord& record, const RouteHopStatuses& statuses);

// "meets, 0.0010 % below the objective (×0.80)", "misses by ...", or "incomplete: 1 hop not
// calculated, 1 out of date; the total holds 2 current hops and 1 value out of date"
// (Windows-1252).
std::string routeVerdictWords(const RouteVerdict& verdict);

// The hops' annual rain unavailabilities as their slots hold them, added, % of a year (those that
// have one); negative when none has.
double routeRainPct(const RouteState& route);

// The route's annual rain unavailability (its hops' added, those with one) against its
// availability objective: "Rain unavailability 0.0100 % of a year (53 min), objective 0.0500 %
// (263 min): meets, ...", "...: not judged (no availability objective)", "...: incomplete" while
// a hop is not calculated or out of date, "Rain unavailability: not calculated" without rain.
std::string routeAvailabilityWords(const RouteVerdict& verdict, const RouteState& route);

} // namespace korvel
