#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/calculate_hop.h"
#include "optimize/combination_search.h"
#include "optimize/combination_selection.h"
#include "optimize/library_values.h"
#include "optimize_fixture.h"

namespace korvel {
namespace {

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
            EXPECT_EQ(lines[2], " 3>  2.4  3.7  6.0  4.5  0.00001    13250.2   1.8 15.0");
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

TEST(SelectionList, ApplyTakesTheEntryOfTheLine) {
    // Line, d1 and feeder 1 of the entry taken: no selection is the first, past the end the last.
    const int cases[][3] = {
        {kNoLineSelected, 1, 0}, {0, 1, 0}, {2, 3, 3}, {3, 1, 0}, {4, 1, 1}, {99, 1, 0}};
    for (const auto& c : cases) {
        HopState hop = hopWithOverrides(DiversityMode::No);
        EXPECT_EQ(applyCombination(sampleLists(), c[0], hop), 1);
        EXPECT_EQ(hop.selection.antennaIndex[0], c[1]) << c[0];
        EXPECT_EQ(hop.selection.feederIndex[0], c[2]) << c[0];
    }
}

TEST(SelectionList, ApplyClearsOverridesAndTakesDiversityOnlyWithSpaceDiversity) {
    for (DiversityMode mode : {DiversityMode::Freq, DiversityMode::Space}) {
        const bool space = mode == DiversityMode::Space;
        HopState hop = hopWithOverrides(mode);
        ASSERT_EQ(applyCombination(sampleLists(), 2, hop), 1);
        EXPECT_EQ(hop.selection.antennaIndex,
                  (Indices{3, 5, space ? std::int16_t{2} : std::int16_t{4}}));
        EXPECT_EQ(hop.selection.feederIndex, (std::array<std::int16_t, 2>{3, 2}));
        EXPECT_EQ(hop.record.antennaSpacingM, space ? 15.0 : 11.0);
        EXPECT_EQ(hop.selection.userDiameter, Indices{});
        EXPECT_EQ(hop.selection.userGain, Indices{});
        EXPECT_EQ(hop.selection.userFeederLoss, (std::array<std::int16_t, 2>{}));
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
