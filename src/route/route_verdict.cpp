#include "route/route_verdict.h"

#include <algorithm>

#include "engine/verdict_words.h"

namespace korvel {

namespace {

std::string hops(int count) {
    return std::to_string(count) + (count == 1 ? " hop" : " hops");
}

} // namespace

RouteVerdict routeVerdict(const RouteRecord& record, const RouteHopStatuses& statuses) {
    RouteVerdict verdict;
    verdict.hopCount = std::clamp<int>(record.hopCount, 0, kMaxRouteHops);
    const auto end = statuses.begin() + verdict.hopCount;
    verdict.notCalculated =
        static_cast<int>(std::count(statuses.begin(), end, RouteHopStatus::NotCalculated));
    verdict.outOfDate =
        static_cast<int>(std::count(statuses.begin(), end, RouteHopStatus::OutOfDate));
    verdict.total.objectivePct = record.objective;
    verdict.total.outagePct = record.totalOutage;
    if (verdict.complete()) {
        verdict.total.verdict = verdictOf(record.totalOutage, record.objective);
    }
    return verdict;
}

std::string routeVerdictWords(const RouteVerdict& verdict) {
    if (verdict.complete()) {
        return judgementWords(verdict.total);
    }
    const int stale = verdict.outOfDate;
    std::string words = "incomplete: ";
    if (verdict.notCalculated > 0) {
        words += hops(verdict.notCalculated) + " not calculated" + (stale > 0 ? ", " : "");
    }
    if (stale > 0) {
        words += (verdict.notCalculated > 0 ? std::to_string(stale) : hops(stale)) + " out of date";
    }
    const int current = verdict.hopCount - verdict.notCalculated - stale;
    words += "; the total holds " + std::to_string(current) + " current" +
             (current == 1 ? " hop" : " hops");
    if (stale > 0) {
        words +=
            " and " + std::to_string(stale) + (stale == 1 ? " value" : " values") + " out of date";
    }
    return words;
}

double routeRainPct(const RouteState& route) {
    double total = -1.0;
    const int count = std::clamp<int>(route.record.hopCount, 0, kMaxRouteHops);
    for (int i = 0; i < count; ++i) {
        if (const double hopRain = route.slots[static_cast<std::size_t>(i)].rainUnavail;
            hopRain >= 0) {
            total = std::max(total, 0.0) + hopRain;
        }
    }
    return total;
}

std::string routeAvailabilityWords(const RouteVerdict& verdict, const RouteState& route) {
    const double total = routeRainPct(route);
    if (total < 0.0) {
        return "Rain unavailability: not calculated";
    }
    OutageJudgement rain;
    rain.kind = OutageKind::Rain;
    rain.outagePct = total;
    rain.objectivePct = route.availabilityObjectivePct;
    if (!verdict.complete()) {
        // The line with its objective, judged by nobody while the total is incomplete.
        const std::string line = judgementLine(rain);
        return line.substr(0, line.rfind(": ")) + ": incomplete";
    }
    if (rain.objectivePct) {
        rain.verdict = verdictOf(total, *rain.objectivePct);
    }
    return judgementLine(rain);
}

} // namespace korvel
