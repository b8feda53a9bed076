#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/fading.h"
#include "engine/link_budget.h"
#include "optimize/combination_outage.h"
#include "optimize/combination_search.h"
#include "optimize_fixture.h"

namespace korvel {
namespace {

std::vector<CombinationEntry> allEntries(const CombinationLists& lists) {
    std::vector<CombinationEntry> entries(lists.meetingList.begin(),
                                          lists.meetingList.begin() + lists.meetingCount);
    entries.insert(entries.end(), lists.nearMissList.begin(),
                   lists.nearMissList.begin() + lists.nearMissCount);
    return entries;
}

// One feeder type and everything meeting: the search lists each pair of diameters of the range,
// the cheapest (d1 = d2 = first) first. Parab solid skips the smallest below 10 GHz; from 10 GHz
// the two largest are skipped.
TEST(CombinationSearch, TriesTheDiametersOfTheRange) {
    const struct {
        AntennaType type;
        double frequencyGHz;
        std::size_t diameters;
        int first, meeting;
    } cases[] = {{AntennaType::ParabSolid, 8.0, 4, 1, 6},  {AntennaType::ParabGrid, 8.0, 4, 0, 10},
                 {AntennaType::ParabSolid, 9.99, 4, 1, 6}, {AntennaType::ParabSolid, 10.0, 4, 0, 3},
                 {AntennaType::ParabGrid, 10.0, 3, 0, 1},  {AntennaType::ParabGrid, 10.0, 2, 0, 0}};
    const std::vector<test::AntennaOffer> antennas = {{0.6, 1}, {1.2, 9}, {1.8, 15}, {2.4, 25}};
    for (const auto& c : cases) {
        HopState hop = test::makeEasyHop();
        hop.record.antennaType = c.type;
        hop.record.frequencyGHz = c.frequencyGHz;
        const SearchOutcome outcome = searchCombinations(
            hop, test::makeOptimizeLibrary({antennas.begin(), antennas.begin() + c.diameters},
                                           {{2.0, 40, 200}}));
        EXPECT_EQ(outcome.lists.meetingCount, c.meeting) << c.frequencyGHz << " " << c.diameters;
        EXPECT_EQ(outcome.lists.nearMissCount, 0);
        EXPECT_EQ(outcome.lists.meetingList[0].indices.d1Index, c.meeting > 0 ? c.first : 0);
    }
}

TEST(CombinationSearch, EqualFeederLengthsTryOnlyFeeder2AtOrAfterFeeder1) {
    // Both feeder types priced alike: every pair lands in the list.
    const EquipmentLibrary library =
        test::makeOptimizeLibrary({{0.6, 500}, {1.2, 900}}, {{2.0, 10, 100}, {3.0, 10, 100}});
    for (double feeder2LengthM : {40.0, 40.005, 40.02}) {
        HopState hop = test::makeEasyHop();
        hop.record.feeder1LengthM = 40.0;
        hop.record.feeder2LengthM = feeder2LengthM;
        const auto entries = allEntries(searchCombinations(hop, library).lists);
        const bool reverse = std::any_of(entries.begin(), entries.end(), [](const auto& e) {
            return e.indices.feeder2Index < e.indices.feeder1Index;
        });
        EXPECT_EQ(reverse, feeder2LengthM > 40.01) << feeder2LengthM;
        EXPECT_EQ(entries.size(), reverse ? 4u : 3u) << feeder2LengthM;
    }
}

TEST(CombinationSearch, DiversityAntennaAndSpacing) {
    for (DiversityMode mode : {DiversityMode::No, DiversityMode::Freq, DiversityMode::Space}) {
        HopState hop = test::makeTypicalHop();
        hop.record.diversityMode = mode;
        hop.record.outageObjectivePct = 0.00005;
        const auto entries = allEntries(searchCombinations(hop, test::makeStandardLibrary()).lists);
        ASSERT_FALSE(entries.empty());
        for (const CombinationEntry& e : entries) {
            if (mode != DiversityMode::Space) { // the first diameter of the range
                EXPECT_EQ(e.indices.ddIndex, 1);
                continue;
            }
            EXPECT_LE(e.indices.ddIndex, e.indices.d1Index);
            EXPECT_GE(e.indices.ddIndex, 1);
            EXPECT_GE(e.spacingM, 5.0);
            EXPECT_LE(e.spacingM, 15.0);
        }
    }
}

// Every meeting combination in the search's order (no space diversity, unequal feeders).
std::vector<CombinationEntry> everyMeeting(const HopState& hop, const EquipmentLibrary& library) {
    const HopRecord& r = hop.record;
    MathGuard guard;
    const auto context = makeCombinationContext(hop, grazingAngleMrad(r, guard), guard);
    const auto range = diameterSearchRange(r.antennaType, library.diameterCount[0], r.frequencyGHz);
    const auto gain = searchGain(library, r.antennaType, range, r.frequencyGHz);
    const auto& loss = library.feederTables[0].lossPer100mDb[0];
    const auto at = [](const auto& values, int i) { return values[static_cast<std::size_t>(i)]; };
    const int types = library.feederTypeCount[0];
    const PriceTables prices = priceTables(library, r.antennaType, 0);
    std::vector<CombinationEntry> all;
    CombinationIndices ix{};
    ix.ddIndex = static_cast<std::int16_t>(range.first);
    for (ix.d1Index = ix.ddIndex; ix.d1Index < range.end; ++ix.d1Index) {
        for (ix.d2Index = ix.d1Index; ix.d2Index < range.end; ++ix.d2Index) {
            for (ix.feeder1Index = 0; ix.feeder1Index < types; ++ix.feeder1Index) {
                for (ix.feeder2Index = 0; ix.feeder2Index < types; ++ix.feeder2Index) {
                    const double p =
                        combinationOutage(context, at(gain, ix.d1Index), at(gain, ix.d2Index),
                                          at(loss, ix.feeder1Index), at(loss, ix.feeder2Index), 0.0,
                                          10.0)
                            .outagePct;
                    if (meetsObjective(p, r.outageObjectivePct)) {
                        all.push_back({ix, 10.0, p, *combinationPrice(r, prices, ix)});
                    }
                }
            }
        }
    }
    return all;
}

TEST(CombinationSearch, MeetingListHoldsTheFifteenCheapestOfAll) {
    const HopState hop = test::makeTypicalHop();
    const EquipmentLibrary library = test::makeStandardLibrary();
    auto all = everyMeeting(hop, library);
    ASSERT_GT(all.size(), 15u);
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
        return a.price != b.price ? a.price < b.price : a.outagePct < b.outagePct;
    });
    const CombinationLists lists = searchCombinations(hop, library).lists;
    ASSERT_EQ(lists.meetingCount, 15);
    for (std::size_t n = 0; n < 15; ++n) {
        EXPECT_EQ(lists.meetingList[n].price, all[n].price) << n;
        EXPECT_EQ(lists.meetingList[n].outagePct, all[n].outagePct) << n;
    }
}

TEST(CombinationSearch, ObjectivePlusTolerance) {
    EXPECT_TRUE(meetsObjective(0.00501, 0.005));
    EXPECT_FALSE(meetsObjective(0.005011, 0.005));
    // One combination, its outage above the objective by half and by twice the tolerance.
    for (double above : {0.000005, 0.00002}) {
        HopState hop = test::makeTypicalHop();
        hop.record.antennaType = AntennaType::ParabGrid;
        const auto library = test::makeOptimizeLibrary({{0.6, 500}}, {{2.0, 40, 200}});
        MathGuard guard;
        const auto context =
            makeCombinationContext(hop, grazingAngleMrad(hop.record, guard), guard);
        const double gain = antennaGainDbi(0.6, 7.5);
        hop.record.outageObjectivePct =
            combinationOutage(context, gain, gain, 2.0, 2.0, gain, 10.0).outagePct - above;
        const SearchOutcome outcome = searchCombinations(hop, library);
        EXPECT_EQ(outcome.lists.meetingCount, above < 0.00001 ? 1 : 0) << above;
        EXPECT_EQ(outcome.lists.nearMissCount, above < 0.00001 ? 0 : 1) << above;
    }
}

TEST(CombinationSearch, LowMarginCombinationsOnlyReachTheNearMissList) {
    HopState hop = test::makeTypicalHop();
    hop.record.ptxDbm = -40.0; // every margin below 12 dB
    const SearchOutcome outcome = searchCombinations(hop, test::makeStandardLibrary());
    EXPECT_EQ(outcome.lists.meetingCount, 0);
    ASSERT_EQ(outcome.lists.nearMissCount, 5);
    for (const CombinationEntry& e : outcome.lists.nearMissList) {
        EXPECT_EQ(e.outagePct, 50.0);
        EXPECT_EQ(e.spacingM, 15.0);
    }
}

TEST(CombinationSearch, ObstructedPathUnderMethod2IsNotSearched) {
    HopState hop = test::makeTypicalHop();
    hop.record.hopLengthKm = 100.0;
    hop.record.antenna1HeightM = 10.0;
    hop.record.antenna2HeightM = 10.0;
    MathGuard guard;
    ASSERT_LE(grazingAngleMrad(hop.record, guard), 0.2);
    SearchOutcome outcome = searchCombinations(hop, test::makeStandardLibrary());
    EXPECT_EQ(outcome.status, SearchStatus::Obstructed);
    EXPECT_EQ(outcome.lists.meetingCount + outcome.lists.nearMissCount, 0);
    EXPECT_TRUE(searchStatusText(outcome.status).empty());
    // Method 1 has no grazing angle and searches the same path.
    hop.record.method = Method::Method1;
    EXPECT_EQ(searchCombinations(hop, test::makeStandardLibrary()).status, SearchStatus::Done);
}

// Refused with a message: the OTHER radio, no feeder row (-1), a feeder table or row outside.
TEST(CombinationSearch, Refusals) {
    const struct {
        bool otherRadio;
        std::int16_t feederTable, feederRow;
        SearchStatus status;
    } cases[] = {{true, 0, 0, SearchStatus::OtherRadio},
                 {false, 0, -1, SearchStatus::NoFeederLosses},
                 {false, 3, 0, SearchStatus::NoFeederTable},
                 {false, -1, 0, SearchStatus::NoFeederTable},
                 {false, 0, 35, SearchStatus::NoFeederTable}};
    for (const auto& c : cases) {
        HopState hop = test::makeTypicalHop();
        hop.selection.otherRadio = c.otherRadio;
        hop.selection.feederTable = c.feederTable;
        hop.selection.feederRow = c.feederRow;
        const SearchOutcome outcome = searchCombinations(hop, test::makeStandardLibrary());
        EXPECT_EQ(outcome.status, c.status) << c.feederTable << " " << c.feederRow;
        EXPECT_FALSE(searchStatusText(outcome.status).empty());
        EXPECT_EQ(outcome.lists.meetingCount + outcome.lists.nearMissCount, 0);
        EXPECT_EQ(radioAllowsOptimization(hop.selection) == SearchStatus::OtherRadio, c.otherRadio);
    }
    EXPECT_EQ(searchStatusText(SearchStatus::OtherRadio),
              "Optimization not possible when OTHER radio used.");
}

TEST(CombinationSearch, CountsAboveCapacityAreNotReadPastTheTables) {
    EquipmentLibrary library = test::makeStandardLibrary();
    library.feederTypeCount[0] = 40;
    library.diameterCount = {25, 25};
    const SearchOutcome outcome = searchCombinations(test::makeTypicalHop(), library);
    EXPECT_EQ(outcome.status, SearchStatus::Done);
    for (const CombinationEntry& e : allEntries(outcome.lists)) {
        EXPECT_LT(std::max(e.indices.feeder1Index, e.indices.feeder2Index), 8);
        EXPECT_LT(e.indices.d2Index, 10);
    }
}

} // namespace
} // namespace korvel
