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

} // namespace korvel
