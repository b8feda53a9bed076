#pragma once
// The route as it stands: the one source of the numbers the route screen, the Hops list and the
// route chart show (each hop's share, outage and state, the total and its verdict).

#include <string>

#include "engine/hop_record.h"
#include "library/equipment_library.h"
#include "route/route_hop_status.h"
#include "route/route_record.h"
#include "route/route_verdict.h"

namespace korvel {

struct RouteStanding {
    // The route's slots, the current hop's taken from the hop being edited (its stations stay
    // the route's); hopOutage, hopRain and totalOutage summed from the slots.
    RouteState route;
    RouteHopStatuses statuses{};
    RouteVerdict verdict;
};

// `edited`: the hop being edited, saved or not, which stands for the route's current hop.
RouteStanding routeStanding(const RouteState& route, const EquipmentLibrary& library,
                            const HopState* edited);

// The route's verdict in words, then its availability verdict when it has an objective.
std::string routeStandingWords(const RouteStanding& standing);

} // namespace korvel
