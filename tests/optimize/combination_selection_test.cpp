#include <gtest/gtest.h>

#include "case_name.h"
#include "engine/calculate_hop.h"
#include "optimize/combination_search.h"
#include "optimize/combination_selection.h"
#include "optimize/library_values.h"
#include "optimize_fixture.h"

namespace korvel {
namespace {

CombinationEntry entry(std::int16_t d1, std::int16_t d2, std::int16_t k1, std::int16_t k2,
                       std::int16_t dd, double spacingM, double outagePct, double price) {
    return CombinationEntry{{d1, d2, k1, k2, dd}, spacingM, outagePct, price};
}

// Three meeting and five missing combinations.
CombinationLists sampleLists() {
    CombinationLists lists;
    lists.meetingList[0] = entry(1, 2, 0, 1, 0, 7.0, 0.00123, 5200.0);
    lists.meetingList[1] = entry(2, 2, 1, 1, 1, 5.0, 0.0041, 6100.5);
    lists.meetingList[2] = entry(3, 5, 3, 2, 2, 15.0, 0.00001, 13250.25);
    lists.meetingCount = 3;
    for (int n = 0; n < 5; ++n) {
        lists.nearMissList[static_cast<std::size_t>(n)] =
            entry(1, 1, static_cast<std::int16_t>(n % 4), 3, 0, 9.0, 0.0062 + 0.001 * n, 4000.0);
    }
    lists.nearMissCount = 5;
    return lists;
}

TEST(SelectionList, ColumnHeaders) {
    EXPECT_EQ(selectionHeader(DiversityMode::No), "     D1   D2   Lc1  Lc2    p%        price");
    EXPECT_EQ(selectionHeader(DiversityMode::Freq), "     D1   D2   Lc1  Lc2    p%        price");
    EXPECT_EQ(selectionHeader(DiversityMode::Space),
              "     D1   D2   Lc1  Lc2    p%        price    Dd   s");
}

TEST(SelectionList, LinesWithoutSpaceDiversity) {
    const HopState hop = test::makeTypicalHop();
    const auto lines = selectionLines(sampleLists(), hop, test::makeStandardLibrary());
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], " 1>  1.2  1.8  2.0  3.0  0.00123    5200.00");
    EXPECT_EQ(lines[1], " 2>  1.8  1.8  3.0  3.0  0.00410    6100.50");
    EXPECT_EQ(lines[2], " 3>  2.4  3.7  6.0  4.5  0.00001   13250.25");
    EXPECT_EQ(lines[3], "-1>  1.2  1.2  2.0  6.0  0.00620*   4000.00");
    EXPECT_EQ(lines[7], "-5>  1.2  1.2  2.0  6.0  0.01020*   4000.00");
}

TEST(SelectionList, LinesWithSpaceDiversity) {
    HopState hop = test::makeTypicalHop();
    hop.record.diversityMode = DiversityMode::Space;
    const auto lines = selectionLines(sampleLists(), hop, test::makeStandardLibrary());
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], " 1>  1.2  1.8  2.0  3.0  0.00123     5200.0   0.6  7.0");
    EXPECT_EQ(lines[2], " 3>  2.4  3.7  6.0  4.5  0.00001    13250.2   1.8 15.0");
    EXPECT_EQ(lines[4], "-2>  1.2  1.2  3.0  6.0  0.00720*    4000.0   0.6  9.0");
}

TEST(SelectionList, EmptyListsGiveNoLines) {
    EXPECT_TRUE(selectionLines({}, test::makeTypicalHop(), test::makeStandardLibrary()).empty());
}

TEST(SelectionList, ObjectiveWithFourDecimals) {
    EXPECT_EQ(objectiveText(0.005), "0.0050");
    EXPECT_EQ(objectiveText(0.0125), "0.0125");
    EXPECT_EQ(objectiveText(1.0), "1.0000");
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

struct ApplyCase {
    const char* name;
    int line;
    std::int16_t d1Index; // of the entry applied
    std::int16_t feeder1Index;
};

class ApplyLine : public testing::TestWithParam<ApplyCase> {};

TEST_P(ApplyLine, TakesTheEntryOfTheLine) {
    const ApplyCase& c = GetParam();
    HopState hop = hopWithOverrides(DiversityMode::No);
    EXPECT_EQ(applyCombination(sampleLists(), c.line, hop), 1);
    EXPECT_EQ(hop.selection.antennaIndex[0], c.d1Index);
    EXPECT_EQ(hop.selection.feederIndex[0], c.feeder1Index);
}

INSTANTIATE_TEST_SUITE_P(SelectionList, ApplyLine,
                         testing::Values(ApplyCase{"NoSelectionIsFirst", kNoLineSelected, 1, 0},
                                         ApplyCase{"FirstLine", 0, 1, 0},
                                         ApplyCase{"LastMeeting", 2, 3, 3},
                                         ApplyCase{"FirstNearMiss", 3, 1, 0},
                                         ApplyCase{"SecondNearMiss", 4, 1, 1},
                                         ApplyCase{"PastTheEndIsLast", 99, 1, 0}),
                         test::CaseName());

TEST(SelectionList, ApplyWithoutSpaceDiversityKeepsSpacingAndDiversityAntenna) {
    HopState hop = hopWithOverrides(DiversityMode::Freq);
    ASSERT_EQ(applyCombination(sampleLists(), 2, hop), 1);
    EXPECT_EQ(hop.selection.antennaIndex, (std::array<std::int16_t, 3>{3, 5, 4}));
    EXPECT_EQ(hop.selection.feederIndex, (std::array<std::int16_t, 2>{3, 2}));
    EXPECT_EQ(hop.record.antennaSpacingM, 11.0);
    EXPECT_EQ(hop.selection.userDiameter, (std::array<std::int16_t, 3>{}));
    EXPECT_EQ(hop.selection.userGain, (std::array<std::int16_t, 3>{}));
    EXPECT_EQ(hop.selection.userFeederLoss, (std::array<std::int16_t, 2>{}));
}

TEST(SelectionList, ApplyWithSpaceDiversitySetsDiversityAntennaAndSpacing) {
    HopState hop = hopWithOverrides(DiversityMode::Space);
    ASSERT_EQ(applyCombination(sampleLists(), 2, hop), 1);
    EXPECT_EQ(hop.selection.antennaIndex, (std::array<std::int16_t, 3>{3, 5, 2}));
    EXPECT_EQ(hop.record.antennaSpacingM, 15.0);
}

TEST(SelectionList, ApplyOnEmptyListsChangesNothing) {
    HopState hop = hopWithOverrides(DiversityMode::Space);
    EXPECT_EQ(applyCombination({}, 0, hop), 0);
    EXPECT_EQ(hop.selection.antennaIndex, (std::array<std::int16_t, 3>{4, 4, 4}));
    EXPECT_EQ(hop.selection.userDiameter, (std::array<std::int16_t, 3>{1, 1, 1}));
    EXPECT_EQ(hop.record.antennaSpacingM, 11.0);
}

TEST(LibraryValues, TakesDiametersGainsAndLossesOfTheSelection) {
    HopState hop = test::makeTypicalHop();
    hop.record.diversityMode = DiversityMode::Space;
    hop.selection.antennaIndex = {2, 1, 0};
    hop.selection.feederIndex = {3, 0};
    takeLibraryValues(hop, test::makeStandardLibrary());
    EXPECT_EQ(hop.record.antenna1DiameterM, 1.8);
    EXPECT_EQ(hop.record.antenna1GainDbi, 40.4);
    EXPECT_EQ(hop.record.antenna2DiameterM, 1.2);
    EXPECT_EQ(hop.record.antenna2GainDbi, 36.9);
    EXPECT_EQ(hop.record.diversityDiameterM, 0.6);
    EXPECT_EQ(hop.record.diversityGainDbi, 30.9);
    EXPECT_EQ(hop.record.feeder1LossDbPer100m, 6.0);
    EXPECT_EQ(hop.record.feeder2LossDbPer100m, 2.0);
}

TEST(LibraryValues, KeepsTypedValuesAndWhatTheLibraryLacks) {
    HopState hop = test::makeTypicalHop();
    hop.record.antenna1DiameterM = 1.7;
    hop.record.antenna1GainDbi = 39.0;
    hop.record.antenna2GainDbi = 37.5;
    hop.record.diversityDiameterM = 9.9;
    hop.record.feeder1LossDbPer100m = 4.2;
    hop.record.feeder2LossDbPer100m = 5.1;
    hop.selection.antennaIndex = {2, 9, 0};
    hop.selection.userDiameter = {1, 0, 0};
    hop.selection.userGain = {0, 1, 0};
    hop.selection.feederRow = -1;
    takeLibraryValues(hop, test::makeStandardLibrary());
    EXPECT_EQ(hop.record.antenna1DiameterM, 1.7);    // typed
    EXPECT_EQ(hop.record.antenna1GainDbi, 40.4);     // from the library diameter
    EXPECT_EQ(hop.record.antenna2GainDbi, 37.5);     // index 9 is not in the table
    EXPECT_EQ(hop.record.diversityDiameterM, 9.9);   // no space diversity
    EXPECT_EQ(hop.record.feeder1LossDbPer100m, 4.2); // no feeder row
    EXPECT_EQ(hop.record.feeder2LossDbPer100m, 5.1);
}

// Search, choose, take the library values and recalculate: the hop's outage is the one listed.
class ChosenCombination : public testing::TestWithParam<DiversityMode> {};

TEST_P(ChosenCombination, RecalculatesToTheListedOutage) {
    HopState hop = test::makeTypicalHop();
    hop.record.diversityMode = GetParam();
    const EquipmentLibrary library = test::makeStandardLibrary();
    const SearchOutcome outcome = searchCombinations(hop, library);
    ASSERT_EQ(outcome.status, SearchStatus::Done);
    ASSERT_GT(outcome.lists.meetingCount, 0);
    ASSERT_EQ(applyCombination(outcome.lists, 0, hop), 1);
    takeLibraryValues(hop, library);
    calculateHop(hop);
    const double outage = GetParam() == DiversityMode::No ? hop.results.p : hop.results.pd;
    EXPECT_DOUBLE_EQ(outage, outcome.lists.meetingList[0].outagePct);
}

INSTANTIATE_TEST_SUITE_P(SelectionList, ChosenCombination,
                         testing::Values(DiversityMode::No, DiversityMode::Freq,
                                         DiversityMode::Space));

} // namespace
} // namespace korvel
