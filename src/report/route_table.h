#pragma once
// What every form of the route outage table reads from the route, decided once.

#include <string>
#include <vector>

namespace korvel {

struct RouteState;

struct RouteTableHop {
    std::string station1; // Windows-1252
    std::string station2;
    double lengthKm = 0;
    double outagePct = 0;
    double rainPct = 0; // the hop's rain unavailability when positive, else 0
};

struct RouteTable {
    std::string info;
    std::vector<RouteTableHop> hops; // the first hopCount hops, at most 20
    bool rainColumn = false;         // at least one hop has a positive rain value
    double rainTotalPct = 0;
    double totalOutagePct = 0;
    double objectivePct = 0;
    double designMarginPct = 0; // objective - total outage; negative when the route misses it
    std::string fileName;
};

RouteTable routeTable(const RouteState& route);

// The number of blank lines before the foot of the plain text table: the foot stands on the same
// line whatever the number of hops.
inline int routeFootPadding(const RouteTable& table) {
    return 35 - static_cast<int>(table.hops.size());
}

} // namespace korvel
