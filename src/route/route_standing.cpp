#include "route/route_standing.h"

#include <algorithm>

#include "route/hop_slot_reader.h"

namespace korvel {

RouteStanding routeStanding(const RouteState& route, const EquipmentLibrary& library,
                            const HopState* edited) {
    RouteStanding standing{route, {}, {}};
    RouteState& stands = standing.route;
    RouteRecord& record = stands.record;
    const int count = std::clamp<int>(record.hopCount, 0, kMaxRouteHops);
    if (edited != nullptr && stands.currentHop >= 0 && stands.currentHop < count) {
        RouteHopSlot& slot = stands.slots[static_cast<std::size_t>(stands.currentHop)];
        const RouteHopSlot named = slot;
        fillHopSlot(slot, edited->record, edited->results);
        slot.station1 = named.station1;
        slot.station2 = named.station2;
    }
    record.totalOutage = 0;
    for (int i = 0; i < count; ++i) {
        const auto index = static_cast<std::size_t>(i);
        record.hopOutage[index] = stands.slots[index].outage;
        record.hopRain[index] = stands.slots[index].rainUnavail;
        record.totalOutage += stands.slots[index].outage;
    }
    standing.statuses = routeHopStatuses(stands, library, edited);
    standing.verdict = routeVerdict(record, standing.statuses);
    return standing;
}

std::string routeStandingWords(const RouteStanding& standing) {
    std::string words = "Route: " + routeVerdictWords(standing.verdict);
    if (standing.route.availabilityObjectivePct) {
        words += "\n" + routeAvailabilityWords(standing.verdict, standing.route);
    }
    return words;
}

} // namespace korvel
