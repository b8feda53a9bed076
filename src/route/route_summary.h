#pragma once
// The route outage summary: the hop outages (%) added up against the route objective (%).

#include "engine/hop_record.h"
#include "platform/messages.h"
#include "route/route_record.h"

namespace korvel {

// The Hops list's summary. The current hop counts with the hop being edited (`hop`, saved or
// not); every other hop is read from its file, and a hop that cannot be read keeps its slot.
// Sets totalOutage, hopOutage and hopRain. An invalid hop count is refused with its message
// before anything changes.
bool summarizeRoute(RouteState& state, const HopState& hop, Messages& messages);

// The summary made when a route is opened: every hop read from its file, an unreadable one
// cleared; hopRain keeps what the route file held.
bool summarizeOpenedRoute(RouteState& state, Messages& messages);

// Route objective minus total outage, %; negative when the route misses its objective.
double designMarginPct(const RouteRecord& record);

} // namespace korvel
