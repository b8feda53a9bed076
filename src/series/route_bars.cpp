#include "series/route_bars.h"

#include <algorithm>

namespace korvel {

RouteChart routeChart(const RouteStanding& standing) {
    RouteChart chart;
    const RouteState& state = standing.route;
    const RouteRecord& record = state.record;
    chart.totalPct = record.totalOutage;
    chart.objectivePct = record.objective;
    chart.meets = standing.verdict.total.verdict == ObjectiveVerdict::Met;
    chart.complete = standing.verdict.complete();
    chart.verdict = routeVerdictWords(standing.verdict);
    const int count = std::clamp<int>(record.hopCount, 0, kMaxRouteHops);
    for (int i = 0; i < count; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const RouteHopSlot& slot = state.slots[index];
        RouteBar bar;
        bar.hop = i + 1;
        bar.stations =
            std::string(slot.station1.view()) + " - " + std::string(slot.station2.view());
        bar.outagePct = record.hopOutage[index];
        bar.rainAnnualPct = record.hopRain[index];
        bar.sharePct = slot.objective;
        bar.status = standing.statuses[index];
        chart.bars.push_back(bar);
    }
    return chart;
}

} // namespace korvel
