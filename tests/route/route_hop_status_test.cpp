// A route hop's state: the stale rule of the route commands, then its outage against its share.

#include <gtest/gtest.h>

#include "engine/calculate_hop.h"
#include "engine/hop_reset.h"
#include "engine/hop_verdict.h"
#include "engine/selective_margin.h"
#include "hopfile/hop_file.h"
#include "hopfile/hop_preparation.h"
#include "route/route_hop_status.h"
#include "route/route_screen.h"
#include "route/route_standing.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"
#include "support/test_hop.h"
#include "support/test_library.h"

namespace korvel {
namespace {

class RouteHopStatusTest : public ::testing::Test {
  protected:
    RouteHopStatusTest() {
        commitFeederPosition(hop, library);
        prepareSelectiveMargin(hop);
        calculateHop(hop);
        hop.record.outageObjectivePct = countedOutagePct(hop);
    }

    RouteHopStatus fileStatus(const HopState& saved) {
        const auto file = folder / "HOP1.HOP";
        test::writeFile(file, std::string_view{});
        std::string name;
        EXPECT_TRUE(writeHopFile(saved, file, name, messages));
        return hopFileStatus(file, library, saved.record.outageObjectivePct);
    }

    EquipmentLibrary library = makeTestLibrary();
    HopState hop = test::makeTestHop();
    test::TempFolder folder;
    RecordingMessages messages;
};

TEST_F(RouteHopStatusTest, OutageAtItsShareMeetsItAndAboveMissesIt) {
    EXPECT_EQ(editedHopStatus(hop, library, hop.record.outageObjectivePct),
              RouteHopStatus::MeetsShare);
    EXPECT_EQ(fileStatus(hop), RouteHopStatus::MeetsShare);
    hop.record.outageObjectivePct *= 0.99; // a new share changes no result
    EXPECT_EQ(editedHopStatus(hop, library, hop.record.outageObjectivePct),
              RouteHopStatus::MissesShare);
    EXPECT_EQ(fileStatus(hop), RouteHopStatus::MissesShare);
}

TEST_F(RouteHopStatusTest, ChangedDataAfterTheCalculationIsOutOfDateAndNoResultsNotCalculated) {
    hop.record.hopLengthKm += 5;
    EXPECT_EQ(editedHopStatus(hop, library, hop.record.outageObjectivePct),
              RouteHopStatus::OutOfDate);
    EXPECT_EQ(fileStatus(hop), RouteHopStatus::OutOfDate);
    hop.record.hopLengthKm = 0.05; // refused by the pages: can never be current
    EXPECT_EQ(editedHopStatus(hop, library, hop.record.outageObjectivePct),
              RouteHopStatus::OutOfDate);
    resetHopResults(hop.results);
    EXPECT_EQ(editedHopStatus(hop, library, hop.record.outageObjectivePct),
              RouteHopStatus::NotCalculated);
    EXPECT_EQ(hopFileStatus(folder / "MISSING.HOP", library, 1.0), RouteHopStatus::NotCalculated);
    EXPECT_TRUE(messages.boxes().empty()) << "statuses are looked at silently";
}

TEST_F(RouteHopStatusTest, TheRouteStandsWithTheEditedHopStaleAndAMissingHopCountedApart) {
    RouteState route;
    route.folder = folder.path();
    route.record.hopCount = 3;
    route.record.objective = 1.0;
    route.record.hopFile[1].assign("MISSING.HOP");
    route.slots[0].station1.assign("NORTH");
    route.slots[0].station2.assign("HILL");
    route.slots[1].outage = 0.001;
    route.slots[2].outage = 0.002;
    hop.record.hopLengthKm += 5; // edited since its calculation: its value is stale
    const RouteStanding standing = routeStanding(route, library, &hop);
    const RouteRecord& stands = standing.route.record;
    EXPECT_EQ(standing.route.slots[0].station1.str(), "NORTH") << "the route names its stations";
    EXPECT_EQ(standing.route.slots[0].objective, hop.record.outageObjectivePct);
    EXPECT_DOUBLE_EQ(stands.totalOutage, countedOutagePct(hop) + 0.003);
    EXPECT_EQ(standing.statuses[0], RouteHopStatus::OutOfDate);
    EXPECT_EQ(routeVerdictWords(standing.verdict),
              "incomplete: 2 hops not calculated, 1 out of date; the total holds 0 current hops "
              "and 1 value out of date");
    EXPECT_EQ(standing.verdict.total.verdict, ObjectiveVerdict::None);
}

TEST(RouteHopStatusWords, StatesAndTheRouteTotalNote) {
    EXPECT_EQ(withHopStatus("HOP1.HOP", RouteHopStatus::OutOfDate),
              "HOP1.HOP  results out of date");
    RouteHopStatuses statuses{};
    statuses.fill(RouteHopStatus::NotCalculated);
    statuses[1] = RouteHopStatus::MeetsShare;
    EXPECT_EQ(notCalculatedText(notCalculatedCount(statuses, 2)), "1 hop not calculated");
    EXPECT_EQ(notCalculatedText(notCalculatedCount(statuses, 3)), "2 hops not calculated");
    EXPECT_EQ(notCalculatedText(notCalculatedCount(statuses, 0)), "");
}

} // namespace
} // namespace korvel
