#pragma once
// The route as it stands with each hop judged by the method chosen for it (kept with the hop's
// sites; the classic one by default, so a route of today stands as it did). The route screen, the
// Hops list and the route chart show these numbers.

#include <array>
#include <string>

#include "geo/verdict_method.h"
#include "platform/chart_view.h"
#include "route/route_standing.h"
#include "ui/methods_table.h"

namespace korvel {

struct EquipmentLibrary;

struct RouteMethodStanding {
    RouteStanding standing; // each hop's outage and state, and the total, by the hops' methods
    std::array<VerdictMethod, kMaxRouteHops> methods{};
    std::string words; // the verdict, then how a total with a current method was made
    std::string rule;  // that last part alone; empty when every hop counts by the classic method
};

// The route chart of that standing, saying how its total was made.
ChartContent routeMethodChart(const RouteMethodStanding& route);

// What the standing reads besides the route's files: the route, the library, and the method
// sources of the hop being edited (a route file's hop brings its own sites).
struct RouteStandingSources {
    const RouteState& route;
    const EquipmentLibrary& library;
    MethodSources edited;
};

// `edited`: the hop being edited, standing for the route's current hop (none: its file).
RouteMethodStanding routeMethodStanding(const RouteStandingSources& sources,
                                        const HopState* edited);

// A line of a route's hop list followed by the hop's state, and its method when not the classic.
std::string withHopMethod(const std::string& line, const RouteMethodStanding& route, int hop);

} // namespace korvel
