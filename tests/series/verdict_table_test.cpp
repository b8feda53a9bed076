// One verdict everywhere: an outage at, just below and just above its objective (and just past
// the resolution of the outages shown) gets the same verdict and words from every core caller.

#include <gtest/gtest.h>

#include "engine/verdict_words.h"
#include "geo/map_export.h"
#include "route/route_verdict.h"
#include "series/route_bars.h"
#include "ui/chart_contents.h"

namespace korvel {
namespace {

constexpr double kObjective = 0.005;

struct Case {
    const char* name;
    double outagePct;
    bool meets;
};

constexpr Case kCases[] = {
    {"at the objective", kObjective, true},
    {"just below", kObjective - 1e-9, true},
    {"above within the shown resolution", kObjective + 0.000009, true},
    {"just above", kObjective + 0.000011, false},
};

HopState hopWith(double outagePct) {
    HopState hop;
    hop.record.frequencyGHz = 18.0;
    hop.record.outageObjectivePct = kObjective;
    hop.results.Lo = 140.0;
    hop.results.pfm = hop.results.p = outagePct;
    hop.results.rainAnnualPct = outagePct;
    return hop;
}

RouteState oneHopRoute(double outagePct) {
    RouteState route;
    route.record.hopCount = 1;
    route.record.objective = kObjective;
    route.record.totalOutage = route.record.hopOutage[0] = outagePct;
    route.record.hopRain[0] = outagePct;
    route.availabilityObjectivePct = kObjective;
    return route;
}

TEST(VerdictTable, EveryCallerJudgesTheSameOutageTheSameWay) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const ObjectiveVerdict expected =
            c.meets ? ObjectiveVerdict::Met : ObjectiveVerdict::Missed;
        const std::string word = c.meets ? "meets" : "misses";
        const HopState hop = hopWith(c.outagePct);

        EXPECT_EQ(meetsObjective(c.outagePct, kObjective), c.meets) << "the combination search";
        const OutageJudgement multipath = multipathJudgement(hop);
        EXPECT_EQ(multipath.verdict, expected) << "the results window";
        EXPECT_TRUE(judgementWords(multipath).starts_with(word)) << judgementWords(multipath);
        const OutageJudgement rain = rainJudgement(hop, kObjective);
        EXPECT_EQ(rain.verdict, expected);
        EXPECT_TRUE(judgementWords(rain).starts_with(word)) << judgementWords(rain);
        const std::string outage = outageChart(hop, kObjective).verdict;
        EXPECT_NE(outage.find(": " + word), std::string::npos) << "the outage chart: " << outage;

        const MapHop mapHop = mapHopOf(hop.record, hop.results, {}, MapResults::Current);
        EXPECT_TRUE(hopVerdict(mapHop).starts_with(word)) << hopVerdict(mapHop);

        const RouteHopStatuses statuses{RouteHopStatus::MeetsShare};
        const RouteState route = oneHopRoute(c.outagePct);
        EXPECT_EQ(routeVerdict(route.record, statuses).total.verdict, expected);
        const RouteChart chart =
            routeChart({route, statuses, routeVerdict(route.record, statuses)});
        EXPECT_EQ(chart.meets, c.meets);
        EXPECT_TRUE(chart.verdict.starts_with(word)) << chart.verdict;
        EXPECT_EQ(chart.rain.verdict, expected) << "the route's rain";

        Sweep sweep;
        sweep.hasRain = true;
        sweep.own.rain.annualPct = c.outagePct;
        const std::string swept = sweepChart(sweep, kObjective).verdict;
        EXPECT_NE(swept.find("): " + word), std::string::npos) << "the sweep chart: " << swept;
    }
}

} // namespace
} // namespace korvel
