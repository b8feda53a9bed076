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
    HopState hop = makeTestHop();
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
