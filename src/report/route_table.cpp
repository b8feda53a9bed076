#include "report/route_table.h"

#include <algorithm>

#include "route/route_record.h"

namespace korvel {

RouteTable routeTable(const RouteState& route) {
    const RouteRecord& record = route.record;
    RouteTable table;
    table.info = record.info.str();
    // A damaged route file may hold any count; the tables have room for kMaxRouteHops.
    const int count = std::clamp(static_cast<int>(record.hopCount), 0, kMaxRouteHops);
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        const RouteHopSlot& slot = route.slots[i];
        RouteTableHop hop;
        hop.station1 = slot.station1.str();
        hop.station2 = slot.station2.str();
        hop.lengthKm = slot.lengthKm;
        hop.outagePct = slot.outage;
        hop.rainPct = record.hopRain[i] > 0 ? record.hopRain[i] : 0.0;
        if (hop.rainPct > 0) {
            table.rainColumn = true;
            table.rainTotalPct += hop.rainPct;
        }
        table.hops.push_back(hop);
    }
    table.totalOutagePct = record.totalOutage;
    table.objectivePct = record.objective;
    table.designMarginPct = record.objective - record.totalOutage;
    table.fileName = record.fileName.str();
    return table;
}

} // namespace korvel
