#include "series/route_bars.h"

#include <algorithm>

namespace korvel {

namespace {

// The hops' rain added; negligible when every hop's is the rain method's lower limit.
OutageJudgement routeRainJudgement(const RouteChart& chart, const RouteState& route) {
    std::optional<double> sumPct;
    bool negligible = true;
    for (const RouteBar& bar : chart.bars) {
        if (bar.rainAnnualPct >= 0.0) {
            sumPct = sumPct.value_or(0.0) + bar.rainAnnualPct;
            negligible = negligible && rainIsNegligible(bar.rainAnnualPct);
        }
    }
    OutageJudgement rain = rainJudgement(sumPct, route.availabilityObjectivePct);
    if (sumPct) {
        rain.negligible = negligible;
        if (!chart.complete) {
            rain.verdict = ObjectiveVerdict::None; // an incomplete total is not judged
        }
    }
    return rain;
}

} // namespace

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
    chart.rain = routeRainJudgement(chart, state);
    if (chart.rain.outagePct) {
        chart.rainWords = routeAvailabilityWords(standing.verdict, state);
    }
    return chart;
}

} // namespace korvel
