// The route chart's bars from the route's summary and each hop's state.

#include <gtest/gtest.h>

#include "series/route_bars.h"

namespace korvel {
namespace {

RouteState threeHopRoute(double outage3) {
    RouteState route;
    RouteRecord& r = route.record;
    r.hopCount = 3;
    r.objective = 0.0050;
    r.hopOutage = {0.0012, 0.0020, outage3};
    r.hopRain = {0.0003, -1.0, -1.0};
    r.totalOutage = 0.0012 + 0.0020 + outage3;
    const double shares[] = {0.0015, 0.0015, 0.0020};
    for (std::size_t i = 0; i < 3; ++i) {
        route.slots[i].objective = shares[i];
    }
    route.slots[0].station1.assign("NORTH");
    route.slots[0].station2.assign("HILL");
    return route;
}

constexpr RouteHopStatuses kStates{RouteHopStatus::MeetsShare, RouteHopStatus::MissesShare,
                                   RouteHopStatus::NotCalculated};

RouteChart chartOf(const RouteState& route) {
    return routeChart({route, kStates, routeVerdict(route.record, kStates)});
}

TEST(RouteBars, CarryEachHopsSummaryAndStateAndTheTotalAgainstTheObjective) {
    const RouteChart chart = chartOf(threeHopRoute(0.0008));
    ASSERT_EQ(chart.bars.size(), 3u);
    EXPECT_EQ(chart.bars[0].stations, "NORTH - HILL");
    EXPECT_EQ(chart.bars[0].rainAnnualPct, 0.0003);
    EXPECT_EQ(chart.bars[1].status, RouteHopStatus::MissesShare);
    EXPECT_EQ(chart.bars[2].hop, 3);
    EXPECT_EQ(chart.bars[2].sharePct, 0.0020);
    EXPECT_FALSE(chart.meets) << "never meets while a hop is not calculated";
    EXPECT_FALSE(chart.complete);
    EXPECT_EQ(chart.verdict, "incomplete: 1 hop not calculated; the total holds 2 current hops");
    EXPECT_DOUBLE_EQ(chart.totalPct, 0.0040);

    EXPECT_FALSE(chartOf(threeHopRoute(0.0023)).meets);
    EXPECT_TRUE(chartOf(RouteState{}).bars.empty());
}

} // namespace
} // namespace korvel
