#include "series/route_bars.h"

#include <algorithm>

#include "route/route_verdict.h"

namespace korvel {

RouteChart routeChart(const RouteState& state, const RouteHopStatuses& statuses) {
    RouteChart chart;
    const RouteRecord& record = state.record;
    chart.totalPct = record.totalOutage;
    chart.objectivePct = record.objective;
    const RouteVerdict verdict = routeVerdict(record, statuses);
    chart.meets = verdict.total.verdict == ObjectiveVerdict::Met;
    chart.verdict = routeVerdictWords(verdict);
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
        bar.status = statuses[index];
        chart.bars.push_back(bar);
    }
    return chart;
}

} // namespace korvel
