#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "case_name.h"
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

struct RangeCase {
    const char* name;
    AntennaType type;
    int diameterCount;
    double frequencyGHz;
    int first;
    int end;
};

class DiameterRanges : public testing::TestWithParam<RangeCase> {};

TEST_P(DiameterRanges, ByFrequencyAndAntennaType) {
    const RangeCase& c = GetParam();
    const DiameterRange range = diameterSearchRange(c.type, c.diameterCount, c.frequencyGHz);
    EXPECT_EQ(range.first, c.first);
    EXPECT_EQ(range.end, c.end);
}

INSTANTIATE_TEST_SUITE_P(
    CombinationSearch, DiameterRanges,
    testing::Values(RangeCase{"SolidAt8GHzSkipsSmallest", AntennaType::ParabSolid, 6, 8.0, 1, 6},
                    RangeCase{"GridAt8GHzTriesAll", AntennaType::ParabGrid, 6, 8.0, 0, 6},
                    RangeCase{"SolidJustBelow10GHz", AntennaType::ParabSolid, 6, 9.99, 1, 6},
                    RangeCase{"SolidAt10GHzSkipsTwoLargest", AntennaType::ParabSolid, 6, 10.0, 0,
                              4},
                    RangeCase{"GridAt10GHzSkipsTwoLargest", AntennaType::ParabGrid, 6, 10.0, 0, 4},
                    RangeCase{"ThreeDiametersAt10GHz", AntennaType::ParabGrid, 3, 10.0, 0, 1},
                    RangeCase{"TwoDiametersAt10GHz", AntennaType::ParabGrid, 2, 10.0, 0, 0}),
    test::CaseName());

struct ObjectiveCase {
    const char* name;
    double outageAboveObjectivePct;
    bool meets;
};

class ObjectiveTolerance : public testing::TestWithParam<ObjectiveCase> {};

TEST_P(ObjectiveTolerance, AllowsOneHundredThousandth) {
    const ObjectiveCase& c = GetParam();
    EXPECT_EQ(meetsObjective(0.005 + c.outageAboveObjectivePct, 0.005), c.meets);
}

INSTANTIATE_TEST_SUITE_P(CombinationSearch, ObjectiveTolerance,
                         testing::Values(ObjectiveCase{"Equal", 0.0, true},
                                         ObjectiveCase{"HalfTolerance", 0.000005, true},
                                         ObjectiveCase{"FullTolerance", 0.00001, true},
                                         ObjectiveCase{"BeyondTolerance", 0.000011, false}),
                         test::CaseName());

TEST(CombinationSearch, FeederLengthsEqualWithinOneCentimetre) {
    EXPECT_TRUE(feederLengthsEqual(30.0, 30.0));
    EXPECT_TRUE(feederLengthsEqual(30.0, 30.009));
    EXPECT_TRUE(feederLengthsEqual(30.009, 30.0));
    EXPECT_FALSE(feederLengthsEqual(30.0, 30.02));
}

TEST(CombinationSearch, SearchGainRoundsToATenthInsideTheRange) {
    const EquipmentLibrary library = test::makeStandardLibrary();
    const auto gain = searchGain(library, AntennaType::ParabSolid, {1, 3}, 7.5);
    EXPECT_EQ(gain[0], 0.0);
    EXPECT_EQ(gain[1], 36.9); // 20 log 1.2 + 20 log 7.5 + 17.8 = 36.88
    EXPECT_EQ(gain[2], 40.4);
    EXPECT_EQ(gain[3], 0.0);
}

// Which diameter indices a search reaches, seen in its results.
struct ReachCase {
    const char* name;
    AntennaType type;
    double frequencyGHz;
    bool smallestTried;
};

class SearchRange : public testing::TestWithParam<ReachCase> {};

TEST_P(SearchRange, SmallestDiameterOnlyForGridBelowTenGHz) {
    const ReachCase& c = GetParam();
    HopState hop = test::makeTypicalHop();
    hop.record.antennaType = c.type;
    hop.record.frequencyGHz = c.frequencyGHz;
    // The smallest antenna is by far the cheapest and a huge margin lets everything meet.
    hop.record.ptxDbm = 60.0;
    hop.record.outageObjectivePct = 1.0;
    const EquipmentLibrary library = test::makeOptimizeLibrary(
        {{0.6, 1}, {1.2, 900}, {1.8, 1500}, {2.4, 2500}}, {{2.0, 40, 200}});
    const SearchOutcome outcome = searchCombinations(hop, library);
    ASSERT_EQ(outcome.status, SearchStatus::Done);
    ASSERT_GT(outcome.lists.meetingCount, 0);
    EXPECT_EQ(outcome.lists.meetingList[0].indices.d1Index == 0, c.smallestTried);
}

INSTANTIATE_TEST_SUITE_P(CombinationSearch, SearchRange,
                         testing::Values(ReachCase{"Solid8GHz", AntennaType::ParabSolid, 8.0,
                                                   false},
                                         ReachCase{"Grid8GHz", AntennaType::ParabGrid, 8.0, true}),
                         test::CaseName());

TEST(CombinationSearch, AtTenGHzThreeDiametersTryOnlyTheFirst) {
    HopState hop = test::makeTypicalHop();
    hop.record.frequencyGHz = 10.0;
    hop.record.ptxDbm = 60.0;
    hop.record.outageObjectivePct = 1.0;
    const EquipmentLibrary library =
        test::makeOptimizeLibrary({{0.6, 500}, {1.2, 900}, {1.8, 1500}}, {{2.0, 40, 200}});
    const SearchOutcome outcome = searchCombinations(hop, library);
    ASSERT_EQ(outcome.lists.meetingCount, 1);
    EXPECT_EQ(outcome.lists.meetingList[0].indices.d1Index, 0);
    EXPECT_EQ(outcome.lists.meetingList[0].indices.d2Index, 0);
}

TEST(CombinationSearch, AtTenGHzTwoDiametersLeaveBothListsEmpty) {
    HopState hop = test::makeTypicalHop();
    hop.record.frequencyGHz = 10.0;
    const EquipmentLibrary library =
        test::makeOptimizeLibrary({{0.6, 500}, {1.2, 900}}, {{2.0, 40, 200}});
    const SearchOutcome outcome = searchCombinations(hop, library);
    EXPECT_EQ(outcome.status, SearchStatus::Done);
    EXPECT_EQ(outcome.lists.meetingCount, 0);
    EXPECT_EQ(outcome.lists.nearMissCount, 0);
}

struct FeederLengthCase {
    const char* name;
    double feeder2LengthM;
    bool reverseOrderTried;
};

class FeederPairs : public testing::TestWithParam<FeederLengthCase> {};

TEST_P(FeederPairs, EqualLengthsTryOnlyFeeder2AtOrAfterFeeder1) {
    const FeederLengthCase& c = GetParam();
    HopState hop = test::makeTypicalHop();
    hop.record.feeder1LengthM = 40.0;
    hop.record.feeder2LengthM = c.feeder2LengthM;
    hop.record.ptxDbm = 60.0;
    hop.record.outageObjectivePct = 1.0;
    // Both feeder types priced alike: every pair lands in the list.
    const EquipmentLibrary library =
        test::makeOptimizeLibrary({{0.6, 500}, {1.2, 900}}, {{2.0, 10, 100}, {3.0, 10, 100}});
    const SearchOutcome outcome = searchCombinations(hop, library);
    const auto entries = allEntries(outcome.lists);
    const bool reverse = std::any_of(entries.begin(), entries.end(), [](const auto& e) {
        return e.indices.feeder2Index < e.indices.feeder1Index;
    });
    EXPECT_EQ(reverse, c.reverseOrderTried);
    EXPECT_EQ(outcome.lists.meetingCount, c.reverseOrderTried ? 4 : 3);
}

INSTANTIATE_TEST_SUITE_P(CombinationSearch, FeederPairs,
                         testing::Values(FeederLengthCase{"Equal", 40.0, false},
                                         FeederLengthCase{"WithinOneCentimetre", 40.005, false},
                                         FeederLengthCase{"Different", 40.02, true}),
                         test::CaseName());

TEST(CombinationSearch, WithoutSpaceDiversityTheDiversityIndexIsTheFirst) {
    for (DiversityMode mode : {DiversityMode::No, DiversityMode::Freq}) {
        HopState hop = test::makeTypicalHop();
        hop.record.diversityMode = mode;
        const SearchOutcome outcome = searchCombinations(hop, test::makeStandardLibrary());
        const auto entries = allEntries(outcome.lists);
        ASSERT_FALSE(entries.empty());
        for (const CombinationEntry& e : entries) {
            EXPECT_EQ(e.indices.ddIndex, 1);
        }
    }
}

TEST(CombinationSearch, SpaceDiversityAntennaNeverLargerThanAntenna1) {
    HopState hop = test::makeTypicalHop();
    hop.record.diversityMode = DiversityMode::Space;
    hop.record.outageObjectivePct = 0.00005;
    const SearchOutcome outcome = searchCombinations(hop, test::makeStandardLibrary());
    const auto entries = allEntries(outcome.lists);
    ASSERT_FALSE(entries.empty());
    for (const CombinationEntry& e : entries) {
        EXPECT_LE(e.indices.ddIndex, e.indices.d1Index);
        EXPECT_GE(e.indices.ddIndex, 1);
        EXPECT_GE(e.spacingM, 5.0);
        EXPECT_LE(e.spacingM, 15.0);
    }
}

// Every combination in the search's order, for checking the lists against all of them.
std::vector<CombinationEntry> everyMeetingCombination(const HopState& hop,
                                                      const EquipmentLibrary& library) {
    MathGuard guard;
    const CombinationContext context =
        makeCombinationContext(hop, grazingAngleMrad(hop.record, guard), guard);
    const DiameterRange range = diameterSearchRange(
        hop.record.antennaType, library.diameterCount[0], hop.record.frequencyGHz);
    const auto gain = searchGain(library, hop.record.antennaType, range, hop.record.frequencyGHz);
    const int types = library.feederTypeCount[0];
    const PriceTables prices = priceTables(library, hop.record.antennaType, 0);
    std::vector<CombinationEntry> meeting;
    for (int i1 = range.first; i1 < range.end; ++i1) {
        for (int i2 = i1; i2 < range.end; ++i2) {
            for (int k1 = 0; k1 < types; ++k1) {
                for (int k2 = 0; k2 < types; ++k2) {
                    const auto loss = [&](int k) {
                        return library.feederTables[0]
                            .lossPer100mDb[0][static_cast<std::size_t>(k)];
                    };
                    const auto at = [&](int i) { return gain[static_cast<std::size_t>(i)]; };
                    const CombinationOutage outage = combinationOutage(
                        context, at(i1), at(i2), loss(k1), loss(k2), at(range.first), 10.0);
                    if (!meetsObjective(outage.outagePct, hop.record.outageObjectivePct)) {
                        continue;
                    }
                    CombinationEntry e;
                    e.indices = {static_cast<std::int16_t>(i1), static_cast<std::int16_t>(i2),
                                 static_cast<std::int16_t>(k1), static_cast<std::int16_t>(k2),
                                 static_cast<std::int16_t>(range.first)};
                    e.outagePct = outage.outagePct;
                    e.price = *combinationPrice(hop.record, prices, e.indices);
                    meeting.push_back(e);
                }
            }
        }
    }
    return meeting;
}

TEST(CombinationSearch, MeetingListHoldsTheFifteenCheapestOfAll) {
    const HopState hop = test::makeTypicalHop();
    const EquipmentLibrary library = test::makeStandardLibrary();
    auto all = everyMeetingCombination(hop, library);
    ASSERT_GT(all.size(), 15u);
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
        return a.price != b.price ? a.price < b.price : a.outagePct < b.outagePct;
    });
    const SearchOutcome outcome = searchCombinations(hop, library);
    ASSERT_EQ(outcome.lists.meetingCount, 15);
    for (std::size_t n = 0; n < 15; ++n) {
        EXPECT_EQ(outcome.lists.meetingList[n].price, all[n].price) << n;
        EXPECT_EQ(outcome.lists.meetingList[n].outagePct, all[n].outagePct) << n;
    }
}

TEST(CombinationSearch, EqualPricesLetEachNewCombinationReplaceTheFifteenth) {
    HopState hop = test::makeTypicalHop();
    hop.record.ptxDbm = 60.0;
    hop.record.outageObjectivePct = 1.0;
    // Everything free: every combination has price 0 and meets.
    const EquipmentLibrary library =
        test::makeOptimizeLibrary({{0.6, 0}, {1.2, 0}, {1.8, 0}, {2.4, 0}, {3.0, 0}, {3.7, 0}},
                                  {{2.0, 0, 0}, {3.0, 0, 0}, {4.5, 0, 0}});
    const SearchOutcome outcome = searchCombinations(hop, library);
    ASSERT_EQ(outcome.lists.meetingCount, 15);
    // The last combination tried has the most loss of the largest antennas; it entered last by
    // replacing the 15th and sorts by its outage among equal prices.
    auto all = everyMeetingCombination(hop, library);
    const CombinationEntry last = all.back();
    all.pop_back();
    std::stable_sort(all.begin(), all.end(),
                     [](const auto& a, const auto& b) { return a.outagePct < b.outagePct; });
    std::vector<double> expected;
    for (std::size_t n = 0; n < 14; ++n) {
        expected.push_back(all[n].outagePct);
    }
    expected.push_back(last.outagePct);
    std::sort(expected.begin(), expected.end());
    for (std::size_t n = 0; n < 15; ++n) {
        EXPECT_EQ(outcome.lists.meetingList[n].outagePct, expected[n]) << n;
    }
}

struct ToleranceCase {
    const char* name;
    double belowOutagePct; // objective = outage of the combination minus this
    bool meets;
};

class SearchObjective : public testing::TestWithParam<ToleranceCase> {};

TEST_P(SearchObjective, CombinationAtObjectivePlusToleranceMeets) {
    const ToleranceCase& c = GetParam();
    HopState hop = test::makeTypicalHop();
    hop.record.antennaType = AntennaType::ParabGrid;
    const EquipmentLibrary library = test::makeOptimizeLibrary({{0.6, 500}}, {{2.0, 40, 200}});
    MathGuard guard;
    const CombinationContext context =
        makeCombinationContext(hop, grazingAngleMrad(hop.record, guard), guard);
    const double gain = antennaGainDbi(0.6, 7.5);
    const double outage = combinationOutage(context, gain, gain, 2.0, 2.0, gain, 10.0).outagePct;
    hop.record.outageObjectivePct = outage - c.belowOutagePct;
    const SearchOutcome outcome = searchCombinations(hop, library);
    EXPECT_EQ(outcome.lists.meetingCount, c.meets ? 1 : 0);
    EXPECT_EQ(outcome.lists.nearMissCount, c.meets ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(CombinationSearch, SearchObjective,
                         testing::Values(ToleranceCase{"HalfTolerance", 0.000005, true},
                                         ToleranceCase{"TwiceTolerance", 0.00002, false}),
                         test::CaseName());

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
    EXPECT_EQ(outcome.lists.meetingCount, 0);
    EXPECT_EQ(outcome.lists.nearMissCount, 0);
    EXPECT_TRUE(searchStatusText(outcome.status).empty());
    // Method 1 has no grazing angle and searches the same path.
    hop.record.method = Method::Method1;
    outcome = searchCombinations(hop, test::makeStandardLibrary());
    EXPECT_EQ(outcome.status, SearchStatus::Done);
}

struct RefusalCase {
    const char* name;
    bool otherRadio;
    std::int16_t feederTable;
    std::int16_t feederRow;
    SearchStatus status;
    const char* text;
};

class SearchRefusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(SearchRefusals, RefuseWithTheirMessage) {
    const RefusalCase& c = GetParam();
    HopState hop = test::makeTypicalHop();
    hop.selection.otherRadio = c.otherRadio;
    hop.selection.feederTable = c.feederTable;
    hop.selection.feederRow = c.feederRow;
    const SearchOutcome outcome = searchCombinations(hop, test::makeStandardLibrary());
    EXPECT_EQ(outcome.status, c.status);
    EXPECT_EQ(searchStatusText(outcome.status), c.text);
    EXPECT_EQ(outcome.lists.meetingCount + outcome.lists.nearMissCount, 0);
}

INSTANTIATE_TEST_SUITE_P(
    CombinationSearch, SearchRefusals,
    testing::Values(
        RefusalCase{"OtherRadio", true, 0, 0, SearchStatus::OtherRadio,
                    "Optimization not possible when OTHER radio used."},
        RefusalCase{"NoFeederRow", false, 0, -1, SearchStatus::NoFeederLosses,
                    "The library has no feeder losses for the frequency of this hop; "
                    "optimization is not possible."},
        RefusalCase{"TableOutsideLibrary", false, 3, 0, SearchStatus::NoFeederTable,
                    "The feeder table of this hop is not in the library; optimization is not "
                    "possible."},
        RefusalCase{"NegativeTable", false, -1, 0, SearchStatus::NoFeederTable,
                    "The feeder table of this hop is not in the library; optimization is not "
                    "possible."},
        RefusalCase{"RowOutsideTable", false, 0, 35, SearchStatus::NoFeederTable,
                    "The feeder table of this hop is not in the library; optimization is not "
                    "possible."}),
    test::CaseName());

TEST(CombinationSearch, RadioCheckBeforeValidation) {
    HopSelection selection;
    EXPECT_EQ(radioAllowsOptimization(selection), SearchStatus::Done);
    selection.otherRadio = true;
    EXPECT_EQ(radioAllowsOptimization(selection), SearchStatus::OtherRadio);
}

TEST(CombinationSearch, FeederTypeCountAboveCapacityIsNotReadPastTheTable) {
    EquipmentLibrary library = test::makeStandardLibrary();
    library.feederTypeCount[0] = 40;
    library.diameterCount = {25, 25};
    const SearchOutcome outcome = searchCombinations(test::makeTypicalHop(), library);
    EXPECT_EQ(outcome.status, SearchStatus::Done);
    for (const CombinationEntry& e : allEntries(outcome.lists)) {
        EXPECT_LT(e.indices.feeder1Index, 8);
        EXPECT_LT(e.indices.feeder2Index, 8);
        EXPECT_LT(e.indices.d2Index, 10);
    }
}

} // namespace
} // namespace korvel
