#include <gtest/gtest.h>

#include "case_name.h"
#include "optimize/combination_price.h"
#include "optimize_fixture.h"

namespace korvel {
namespace {

// Antennas 900 + 1500 (diversity 500 each); feeders 40/m x 30 m + 200 and 25/m x 50 m + 150,
// that is 2800 for one run of each.
struct PriceCase {
    const char* name;
    DiversityMode diversity;
    UsageMode usage;
    double price;
};

class PriceRows : public testing::TestWithParam<PriceCase> {};

TEST_P(PriceRows, CountAntennasAndFeederRuns) {
    const PriceCase& c = GetParam();
    const EquipmentLibrary library = test::makeStandardLibrary();
    HopRecord record = test::makeTypicalHop().record;
    record.diversityMode = c.diversity;
    record.usageMode = c.usage;
    record.feeder1LengthM = 30.0;
    record.feeder2LengthM = 50.0;
    const CombinationIndices indices{1, 2, 0, 1, 0};
    EXPECT_EQ(combinationPrice(record, priceTables(library, record.antennaType, 0), indices),
              c.price);
}

INSTANTIATE_TEST_SUITE_P(
    CombinationPrice, PriceRows,
    testing::Values(
        PriceCase{"NoDiversitySingle", DiversityMode::No, UsageMode::Single, 5200.0},
        PriceCase{"FreqHotStandby", DiversityMode::Freq, UsageMode::Hsb, 5200.0},
        PriceCase{"NoDiversityOnePlusOne", DiversityMode::No, UsageMode::OnePlusOne, 8000.0},
        PriceCase{"SpaceSingle", DiversityMode::Space, UsageMode::Single, 9000.0},
        PriceCase{"SpaceOnePlusOne", DiversityMode::Space, UsageMode::OnePlusOne, 14600.0}),
    test::CaseName());

TEST(CombinationPrice, NoPriceForAnIndexOutsideTheTables) {
    const EquipmentLibrary library = test::makeStandardLibrary();
    HopRecord record = test::makeTypicalHop().record;
    const PriceTables prices = priceTables(library, record.antennaType, 0);
    EXPECT_FALSE(combinationPrice(record, prices, {6, 1, 0, 0, 0}));
    EXPECT_FALSE(combinationPrice(record, prices, {1, 1, 4, 0, 0}));
    EXPECT_FALSE(combinationPrice(record, prices, {1, 1, 0, -1, 0}));
    // The diversity antenna only counts with space diversity.
    EXPECT_TRUE(combinationPrice(record, prices, {1, 1, 0, 0, -1}));
    record.diversityMode = DiversityMode::Space;
    EXPECT_FALSE(combinationPrice(record, prices, {1, 1, 0, 0, -1}));
}

TEST(CombinationPrice, TablesHoldOnlyWhatTheLibraryHas) {
    EquipmentLibrary library = test::makeStandardLibrary();
    library.feederTypeCount[0] = 40; // above the capacity
    const PriceTables prices = priceTables(library, AntennaType::ParabGrid, 0);
    EXPECT_EQ(prices.antennaCount, 6);
    EXPECT_EQ(prices.feederCount, 8);
    const PriceTables noTable = priceTables(library, AntennaType::ParabGrid, 1);
    EXPECT_EQ(noTable.feederCount, 0);
    EXPECT_FALSE(combinationPrice(HopRecord{}, noTable, {1, 1, 0, 0, 0}));
}

} // namespace
} // namespace korvel
