#include <gtest/gtest.h>

#include <string>

#include "library/equipment_library.h"
#include "library/test_library.h"

namespace korvel {
namespace {

TEST(EquipmentLibrary, RadioOutsideTheListIsNull) {
    const EquipmentLibrary library = makeTestLibrary();
    EXPECT_EQ(library.radio(-1), nullptr);
    EXPECT_EQ(library.radio(3), nullptr);
    ASSERT_NE(library.radio(2), nullptr);
    EXPECT_EQ(library.radio(2)->name.view(), "OTHER");
}

TEST(EquipmentLibrary, AntennaTablesByType) {
    const EquipmentLibrary library = makeTestLibrary();
    EXPECT_EQ(library.diameterCountOf(AntennaType::ParabSolid), 6);
    EXPECT_EQ(library.diameterCountOf(AntennaType::ParabGrid), 4);
    EXPECT_EQ(library.antennaTable(AntennaType::ParabGrid).diameterM[0], 1.8);
    EXPECT_EQ(library.antennaTable(AntennaType::ParabSolid).price[1], 1400);
    // A type read from a damaged hop file has no diameters.
    EXPECT_EQ(library.diameterCountOf(static_cast<AntennaType>(1108)), 0);
}

TEST(EquipmentLibrary, BranchingLossByDiversityAndUsage) {
    const RadioEntry radio = *makeTestLibrary().radio(0);
    EXPECT_EQ(radio.branchingLoss(DiversityMode::No, UsageMode::Single), 1.0);
    EXPECT_EQ(radio.branchingLoss(DiversityMode::No, UsageMode::OnePlusOne), 3.5);
    EXPECT_EQ(radio.branchingLoss(DiversityMode::Space, UsageMode::Hsb), 2.8);
    EXPECT_EQ(radio.branchingLoss(static_cast<DiversityMode>(1116), UsageMode::Single), 0.0);
    EXPECT_EQ(radio.branchingLoss(DiversityMode::Freq, static_cast<UsageMode>(1119)), 0.0);
}

TEST(EquipmentLibrary, FeederCountsOutsideTheTablesAreZero) {
    const EquipmentLibrary library = makeTestLibrary();
    EXPECT_EQ(library.feederTypeCountOf(2), 4);
    EXPECT_EQ(library.feederTypeCountOf(5), 0);
    EXPECT_EQ(library.frequencyCountOf(-1), 0);
    EXPECT_EQ(library.feederTable(5), nullptr);
}

struct FeederCase {
    const char* name;
    double frequencyGHz;
    FeederInsulation insulation;
    int table;
    int row;
};

class FeederRow : public testing::TestWithParam<FeederCase> {};

TEST_P(FeederRow, FindsTableAndRow) {
    EquipmentLibrary library = makeTestLibrary();
    // Coax tables also list 3 GHz and a frequency that a single-frequency table has.
    library.feederTables[0].frequencyGHz[4] = 3.0;
    library.feederTables[0].frequencyGHz[5] = 7.5;
    library.frequencyCount[0] = 6;
    // A second 7.5 GHz table behind the first.
    library.feederTables.push_back(library.feederTables[3]);
    library.feederTypeCount.push_back(1);
    library.frequencyCount.push_back(1);
    // A table for exactly 3 GHz among the single-frequency ones.
    library.feederTables.push_back(library.feederTables[3]);
    library.feederTables.back().frequencyGHz[0] = 3.0;
    library.feederTypeCount.push_back(1);
    library.frequencyCount.push_back(1);

    const FeederCase& c = GetParam();
    const FeederPosition position = findFeederRow(library, c.frequencyGHz, c.insulation);
    EXPECT_EQ(position.table, c.table);
    EXPECT_EQ(position.row, c.row);
}

INSTANTIATE_TEST_SUITE_P(
    Lookups, FeederRow,
    testing::Values(
        FeederCase{"SingleFrequencyExact", 7.5, FeederInsulation::Foam, 3, 0},
        FeederCase{"DuplicateTableLowerIndexWins", 7.5, FeederInsulation::Air, 3, 0},
        FeederCase{"SingleFrequencyHalfHundredthAway", 15.005, FeederInsulation::Foam, 4, 0},
        FeederCase{"SingleFrequencyTwoHundredthsAway", 15.02, FeederInsulation::Foam, 0, -1},
        FeederCase{"NoTableAbove3GHz", 23.0, FeederInsulation::Both, 0, -1},
        FeederCase{"Exactly3GHzGoesToCoax", 3.0, FeederInsulation::Foam, 0, 4},
        FeederCase{"Exactly3GHzOtherInsulation", 3.0, FeederInsulation::Air, 1, -1},
        FeederCase{"CoaxHalfHundredthAway", 2.495, FeederInsulation::Both, 2, 3},
        FeederCase{"CoaxTwoHundredthsAway", 2.52, FeederInsulation::Both, 2, -1},
        FeederCase{"CoaxFirstRow", 0.9, FeederInsulation::Air, 1, 0},
        FeederCase{"InsulationOutsideTheThree", 2.0, static_cast<FeederInsulation>(1113), 0, -1},
        FeederCase{"InsulationBelowFoam", 2.0, static_cast<FeederInsulation>(1109), 0, -1}),
    [](const testing::TestParamInfo<FeederCase>& testCase) {
        return std::string(testCase.param.name);
    });

TEST(FeederRowGuards, CoaxLooksOnlyAtItsListedFrequencies) {
    EquipmentLibrary library = makeTestLibrary();
    library.frequencyCount[2] = 2; // 0.9 and 1.5 GHz
    EXPECT_EQ(findFeederRow(library, 1.5, FeederInsulation::Both).row, 1);
    EXPECT_EQ(findFeederRow(library, 2.0, FeederInsulation::Both).row, -1);
    library.frequencyCount[2] = 40; // beyond the 8 slots: only the 8 are looked at
    EXPECT_EQ(findFeederRow(library, 2.5, FeederInsulation::Both).row, 3);
    EXPECT_EQ(findFeederRow(library, 0.0, FeederInsulation::Both).row, 4);
}

TEST(FeederRowGuards, LibraryWithoutTheCoaxTable) {
    EquipmentLibrary library = makeTestLibrary();
    library.feederTables.resize(1);
    library.feederTypeCount.resize(1);
    library.frequencyCount.resize(1);
    const FeederPosition position = findFeederRow(library, 2.0, FeederInsulation::Both);
    EXPECT_EQ(position.table, 0);
    EXPECT_EQ(position.row, -1);
}

} // namespace
} // namespace korvel
