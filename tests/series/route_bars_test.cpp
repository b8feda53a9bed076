// The route chart's bars from the route's summary: shares, verdicts, hops never calculated.

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

TEST(RouteBars, MarkEachHopAgainstItsShareAndTheTotalAgainstTheObjective) {
    const RouteChart chart = routeChart(threeHopRoute(0.0008));
    ASSERT_EQ(chart.bars.size(), 3u);
    EXPECT_EQ(chart.bars[0].stations, "NORTH - HILL");
    EXPECT_EQ(chart.bars[0].verdict, HopShareVerdict::Meets);
    EXPECT_EQ(chart.bars[0].rainAnnualPct, 0.0003);
    EXPECT_EQ(chart.bars[1].verdict, HopShareVerdict::Misses);
    EXPECT_EQ(chart.bars[2].hop, 3);
    EXPECT_EQ(chart.bars[2].verdict, HopShareVerdict::Meets);
    EXPECT_TRUE(chart.meets);
    EXPECT_DOUBLE_EQ(chart.totalPct, 0.0040);
    EXPECT_EQ(verdictWord(chart.bars[1].verdict), "misses");
}

TEST(RouteBars, ShowAHopWithoutOutageAsNotCalculatedAndAMissedRouteAsMissed) {
    const RouteChart never = routeChart(threeHopRoute(0.0));
    EXPECT_EQ(never.bars[2].verdict, HopShareVerdict::NotCalculated);
    EXPECT_EQ(verdictWord(never.bars[2].verdict), "not calculated");

    const RouteChart missed = routeChart(threeHopRoute(0.0023));
    EXPECT_EQ(missed.bars[2].verdict, HopShareVerdict::Misses);
    EXPECT_FALSE(missed.meets);

    RouteState empty;
    EXPECT_TRUE(routeChart(empty).bars.empty());
}

} // namespace
} // namespace korvel
