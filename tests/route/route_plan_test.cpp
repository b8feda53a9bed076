#include <gtest/gtest.h>

#include "platform/recording_messages.h"
#include "route/calculation_checks.h"
#include "route/route_file.h"
#include "route/route_hop_files.h"
#include "route/route_plan.h"
#include "route/route_test_support.h"

namespace korvel {
namespace {

class RoutePlanTest : public testing::Test {
  protected:
    RoutePlanTest() {
        plan.folder = folder.path();
        plan.fileName = "COAST";
        plan.info = "Coast line";
        plan.radioName = "RADIO B";
        plan.objectivePct = 0.01;
        plan.division = DivisionMethod::Length;
        plan.hops = {{"H1", "A", "B", 10, 0}, {"H2", "B", "C", 30, 0}, {"H3.X", "C", "D", 60, 0}};
    }

    EquipmentLibrary library = test::makeRouteTestLibrary();
    test::TempFolder folder;
    RoutePlan plan;
    RouteState state;
    RecordingMessages messages;
};

TEST_F(RoutePlanTest, PlanBecomesARouteReadyToCalculate) {
    ASSERT_TRUE(routeFromPlan(state, library, plan, messages));
    const RouteRecord& r = state.record;
    EXPECT_EQ(r.fileName.view(), "COAST.ROU");
    EXPECT_EQ(r.hopFile[0].view(), "H1.HOP");
    EXPECT_EQ(r.hopFile[2].view(), "H3.X");
    EXPECT_EQ(r.radioIndex, 1);
    EXPECT_EQ(r.prxthChoice, 1019);
    EXPECT_EQ(r.berExponent, -6);
    EXPECT_DOUBLE_EQ(state.slots[2].objective, 0.006);
    EXPECT_EQ(state.folder, folder.path());
    EXPECT_TRUE(checkHopsBeforeCalculation(state, messages));

    ASSERT_TRUE(writeRouteFile(state, messages));
    HopState hop;
    std::string currentName;
    ASSERT_TRUE(writeRouteIntoHopFiles(state, hop, library, currentName, messages));
    state.currentHop = 1;
    ASSERT_TRUE(loadCurrentRouteHop(state, hop, library, currentName, messages));
    EXPECT_EQ(currentName, "H2.HOP");
    EXPECT_EQ(hop.record.station2Name.view(), "C");
    EXPECT_EQ(hop.record.radioName.view(), "RADIO B");
    EXPECT_TRUE(state.routeHopActive);
}

TEST_F(RoutePlanTest, UnfitPlansLeaveTheRouteAlone) {
    state.record.info.assign("untouched");
    const auto refusedWith = [&](RoutePlan bad, const std::string& text) {
        messages.clear();
        EXPECT_FALSE(routeFromPlan(state, library, bad, messages)) << text;
        ASSERT_FALSE(messages.boxes().empty()) << text;
        EXPECT_EQ(messages.boxes().back().text, text);
        EXPECT_EQ(state.record.info.view(), "untouched");
    };
    RoutePlan bad = plan;
    bad.hops.resize(21, plan.hops[0]);
    refusedWith(bad, "Invalid number of hops.");
    bad = plan;
    bad.hops.clear();
    refusedWith(bad, "Invalid number of hops.");
    bad = plan;
    bad.folder = folder.path() / "missing";
    refusedWith(bad, "Invalid route directory");
    bad = plan;
    bad.fileName = "..\\UP";
    refusedWith(bad, "Invalid data.");
    bad = plan;
    bad.hops[1].lengthKm = -1;
    refusedWith(bad, "Invalid data.");
    bad = plan;
    bad.hops[1].fileName = "sub:H";
    refusedWith(bad, "Invalid hop filename.");
    bad = plan;
    bad.radioName = "RADIO Z";
    refusedWith(bad, "Cannot load the routefile :\nthe radio used in the routefile ( RADIO Z )\n"
                     " is not supported by the current Korvel library.");
}

} // namespace
} // namespace korvel
