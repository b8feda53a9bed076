// The route's availability objective: its sidecar file, its division over the hops and its
// verdict beside the outage verdict.

#include <gtest/gtest.h>

#include "route/objective_division.h"
#include "route/route_sidecar.h"
#include "route/route_verdict.h"
#include "support/temp_folder.h"

namespace korvel {
namespace {

TEST(RouteSidecar, KeepsTheObjectiveAndRefusesWhatItCannotUse) {
    const RouteSidecar kept{0.05};
    EXPECT_EQ(parseRouteSidecar(routeSidecarText(kept)).sidecar, kept);
    EXPECT_EQ(parseRouteSidecar(R"({"version": 1})").sidecar, RouteSidecar{});
    for (const auto& [text, error] : {
             std::pair{R"({"version": 2})", "version 2: written by a newer Korvel; this one "
                                            "reads version 1"},
             {R"({"version": 1, "availabilityObjectivePct": 0})",
              "availabilityObjectivePct: expected a number above 0 and below 100"},
             {R"({"version": 1, "objective": 1})", "objective: unknown field"},
             {R"({})", "version: expected a number"},
         }) {
        EXPECT_EQ(parseRouteSidecar(text).error, error) << text;
    }
}

TEST(RouteSidecar, IsWrittenOnlyWhenItsContentChanges) {
    test::TempFolder folder;
    const auto route = folder.path() / "COAST.ROU";
    ASSERT_EQ(saveRouteSidecar(route, {}), FileWriteResult::Written);
    EXPECT_FALSE(std::filesystem::exists(routeSidecarPath(route))) << "no objective, no file";
    ASSERT_EQ(saveRouteSidecar(route, {0.02}), FileWriteResult::Written);
    const auto written = std::filesystem::last_write_time(routeSidecarPath(route));
    ASSERT_EQ(saveRouteSidecar(route, {0.02}), FileWriteResult::Written);
    EXPECT_EQ(std::filesystem::last_write_time(routeSidecarPath(route)), written);
    EXPECT_EQ(loadRouteSidecar(route).sidecar.availabilityObjectivePct, 0.02);
}

TEST(RouteAvailability, IsDividedAsTheOutageObjectiveAndJudgedOnlyWhenComplete) {
    RouteState route;
    route.record.hopCount = 2;
    route.slots[0].objective = 0.003;
    route.slots[1].objective = 0.001;
    route.slots[0].rainUnavail = 0.004;
    EXPECT_EQ(availabilityShares(route), std::nullopt);
    route.availabilityObjectivePct = 0.02;
    const auto shares = availabilityShares(route);
    ASSERT_TRUE(shares);
    EXPECT_DOUBLE_EQ((*shares)[0], 0.015);
    EXPECT_DOUBLE_EQ((*shares)[1], 0.005);

    RouteVerdict verdict;
    verdict.hopCount = 2;
    EXPECT_EQ(routeAvailabilityWords(verdict, route),
              "Rain unavailability 0.0040 % of a year (21 min), objective 0.0200 % (105 min): "
              "meets, 0.0160 % below the objective (\xD7"
              "0.20)");
    verdict.outOfDate = 1;
    EXPECT_TRUE(routeAvailabilityWords(verdict, route).ends_with("(105 min): incomplete"));
    route.slots[0].rainUnavail = -1;
    EXPECT_EQ(routeAvailabilityWords(verdict, route), "Rain unavailability: not calculated");
}

} // namespace
} // namespace korvel
