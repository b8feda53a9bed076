#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "engine/calculate_hop.h"
#include "engine/fading.h"
#include "engine/link_budget.h"
#include "optimize/combination_outage.h"
#include "optimize/combination_search.h"
#include "optimize/combination_selection.h"
#include "optimize/library_values.h"
#include "support/optimize_fixture.h"

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
            hop,
            test::makeOptimizeLibrary(
                {antennas.begin(), antennas.begin() + static_cast<std::ptrdiff_t>(c.diameters)},
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
    for (DiversityMode mode : {DiversityMode::Freq, DiversityMode::Space}) {
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
    }
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

using Indices = std::array<std::int16_t, 3>;

// Three meeting and five missing combinations.
CombinationLists sampleLists() {
    CombinationLists lists;
    lists.meetingList[0] = {{1, 2, 0, 1, 0}, 7.0, 0.00123, 5200.0};
    lists.meetingList[1] = {{2, 2, 1, 1, 1}, 5.0, 0.0041, 6100.5};
    lists.meetingList[2] = {{3, 5, 3, 2, 2}, 15.0, 0.00001, 13250.25};
    lists.meetingCount = 3;
    for (int n = 0; n < 5; ++n) {
        lists.nearMissList[static_cast<std::size_t>(n)] = {
            {1, 1, static_cast<std::int16_t>(n % 4), 3, 0}, 9.0, 0.0062 + 0.001 * n, 4000.0};
    }
    lists.nearMissCount = 5;
    return lists;
}

TEST(SelectionList, HeaderAndLinesForEachLayout) {
    const char* plain[] = {" 1>  1.2  1.8  2.0  3.0  0.00123    5200.00",
                           " 2>  1.8  1.8  3.0  3.0  0.00410    6100.50",
                           " 3>  2.4  3.7  6.0  4.5  0.00001   13250.25",
                           "-1>  1.2  1.2  2.0  6.0  0.00620*   4000.00"};
    HopState hop = test::makeTypicalHop();
    for (DiversityMode mode : {DiversityMode::No, DiversityMode::Freq, DiversityMode::Space}) {
        hop.record.diversityMode = mode;
        const auto lines = selectionLines(sampleLists(), hop, test::makeStandardLibrary());
        ASSERT_EQ(lines.size(), 8u);
        if (mode == DiversityMode::Space) {
            EXPECT_EQ(selectionHeader(mode),
                      "     D1   D2   Lc1  Lc2    p%        price    Dd   s");
            EXPECT_EQ(lines[0], " 1>  1.2  1.8  2.0  3.0  0.00123     5200.0   0.6  7.0");
            // Mended: the price 13250.25 rounded to even (13250.2), unlike every page.
            EXPECT_EQ(lines[2], " 3>  2.4  3.7  6.0  4.5  0.00001    13250.3   1.8 15.0");
            EXPECT_EQ(lines[4], "-2>  1.2  1.2  3.0  6.0  0.00720*    4000.0   0.6  9.0");
            continue;
        }
        EXPECT_EQ(selectionHeader(mode), "     D1   D2   Lc1  Lc2    p%        price");
        for (std::size_t n = 0; n < 4; ++n) {
            EXPECT_EQ(lines[n], plain[n]);
        }
        EXPECT_EQ(lines[7], "-5>  1.2  1.2  2.0  6.0  0.01020*   4000.00");
    }
    EXPECT_TRUE(selectionLines({}, hop, test::makeStandardLibrary()).empty());
    EXPECT_EQ(objectiveText(0.005), "0.0050");
    EXPECT_EQ(objectiveText(0.0125), "0.0125");
}

HopState hopWithOverrides(DiversityMode diversity) {
    HopState hop = test::makeTypicalHop();
    hop.record.diversityMode = diversity;
    hop.record.antennaSpacingM = 11.0;
    hop.selection.antennaIndex = {4, 4, 4};
    hop.selection.feederIndex = {2, 2};
    hop.selection.userDiameter = {1, 1, 1};
    hop.selection.userGain = {1, 1, 1};
    hop.selection.userFeederLoss = {1, 1};
    return hop;
}

// No selection takes the first line, a line past the end the last. The diversity antenna and the
// spacing are taken only with space diversity; the overrides are cleared.
TEST(SelectionList, ApplyTakesTheEntryOfTheLine) {
    using Feeders = std::array<std::int16_t, 2>;
    const struct {
        int line;
        DiversityMode diversity;
        Indices antennas;
        Feeders feeders;
        double spacingM;
    } cases[] = {{kNoLineSelected, DiversityMode::No, {1, 2, 4}, {0, 1}, 11.0},
                 {0, DiversityMode::No, {1, 2, 4}, {0, 1}, 11.0},
                 {2, DiversityMode::Freq, {3, 5, 4}, {3, 2}, 11.0},
                 {2, DiversityMode::Space, {3, 5, 2}, {3, 2}, 15.0},
                 {3, DiversityMode::No, {1, 1, 4}, {0, 3}, 11.0},
                 {4, DiversityMode::No, {1, 1, 4}, {1, 3}, 11.0},
                 {99, DiversityMode::No, {1, 1, 4}, {0, 3}, 11.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        HopState hop = hopWithOverrides(c.diversity);
        EXPECT_EQ(applyCombination(sampleLists(), c.line, hop), 1);
        const HopSelection& s = hop.selection;
        EXPECT_EQ(std::tuple(s.antennaIndex, s.feederIndex, hop.record.antennaSpacingM),
                  std::tuple(c.antennas, c.feeders, c.spacingM));
        EXPECT_EQ(std::tuple(s.userDiameter, s.userGain, s.userFeederLoss),
                  std::tuple(Indices{}, Indices{}, Feeders{}));
    }
    HopState hop = hopWithOverrides(DiversityMode::Space);
    EXPECT_EQ(applyCombination({}, 0, hop), 0);
    EXPECT_EQ(hop.selection.antennaIndex, (Indices{4, 4, 4}));
    EXPECT_EQ(hop.selection.userDiameter, (Indices{1, 1, 1}));
    EXPECT_EQ(hop.record.antennaSpacingM, 11.0);
}

// A typed value stays; an index outside the table or feeder row -1 leaves the field as it was.
TEST(LibraryValues, KeepsTypedValuesAndWhatTheLibraryLacks) {
    HopState hop = test::makeTypicalHop();
    HopRecord& r = hop.record;
    r.antenna1DiameterM = 1.7;
    r.antenna2GainDbi = 37.5;
    r.feeder1LossDbPer100m = 4.2;
    hop.selection.antennaIndex = {2, 9, 0};
    hop.selection.userDiameter = {1, 0, 0};
    hop.selection.feederRow = -1;
    takeLibraryValues(hop, test::makeStandardLibrary());
    EXPECT_EQ(r.antenna1DiameterM, 1.7);
    EXPECT_EQ(r.antenna1GainDbi, 40.4); // from the library diameter
    EXPECT_EQ(r.antenna2GainDbi, 37.5);
    EXPECT_EQ(r.feeder1LossDbPer100m, 4.2);
}

// Search, choose the first line, take the library values and recalculate: the hop's outage is
// the one listed. A user selective margin and a strict objective reach every term.
TEST(SelectionList, ChosenCombinationRecalculatesToTheListedOutage) {
    for (DiversityMode mode : {DiversityMode::No, DiversityMode::Freq, DiversityMode::Space}) {
        HopState hop = test::makeTypicalHop();
        hop.record.diversityMode = mode;
        hop.record.selectiveFading = SelectiveFading::User;
        hop.record.outageObjectivePct = 0.0002;
        hop.results.Msm = 45.0;
        const EquipmentLibrary library = test::makeStandardLibrary();
        const SearchOutcome outcome = searchCombinations(hop, library);
        ASSERT_EQ(outcome.status, SearchStatus::Done);
        const CombinationLists& lists = outcome.lists;
        ASSERT_GT(lists.meetingCount + lists.nearMissCount, 0);
        const CombinationEntry& first =
            lists.meetingCount > 0 ? lists.meetingList[0] : lists.nearMissList[0];
        ASSERT_EQ(applyCombination(lists, 0, hop), 1);
        takeLibraryValues(hop, library);
        EXPECT_NE(calculateHop(hop).status, CalcStatus::Obstructed);
        const double outage = mode == DiversityMode::No ? hop.results.p : hop.results.pd;
        EXPECT_DOUBLE_EQ(outage, first.outagePct) << static_cast<int>(mode);
        EXPECT_LT(outage, 50.0);
    }
}

} // namespace
} // namespace korvel
