#include <gtest/gtest.h>

#include <cmath>

#include "optimize/combination_lists.h"
#include "optimize/combination_outage.h"
#include "optimize/combination_price.h"
#include "support/optimize_fixture.h"

namespace korvel {
namespace {

CombinationEntry entry(double price, double outagePct, std::int16_t tag = 0) {
    return {{tag, 0, 0, 0, 0}, 0.0, outagePct, price};
}

TEST(MeetingList, SortsByPriceThenOutageEqualEntriesInArrivalOrder) {
    CombinationLists lists;
    lists.offerMeeting(entry(999999.5, 0.001)); // above the sentinel price: never enters
    EXPECT_EQ(lists.meetingCount, 0);
    for (const CombinationEntry& e :
         {entry(300, 0.001, 1), entry(100, 0.004, 2), entry(300, 0.0005, 3), entry(100, 0.002, 4),
          entry(100, 0.002, 5), entry(999999.0, 0.001, 6)}) {
        lists.offerMeeting(e);
    }
    ASSERT_EQ(lists.meetingCount, 6);
    for (std::size_t n = 0; n < 6; ++n) {
        EXPECT_EQ(lists.meetingList[n].indices.d1Index, (std::array{4, 5, 2, 3, 1, 6})[n]) << n;
    }
}

// A full list (prices 1..15 at outage 0.002) offered one more: a tie on the 15th price enters.
TEST(MeetingList, FullListAdmitsUpToTheLastPriceOnly) {
    const struct {
        double price, outagePct;
        bool enters;
    } cases[] = {{15.0, 0.001, true}, {15.0, 0.003, true}, {15.01, 0.0001, false}};
    for (const auto& c : cases) {
        CombinationLists lists;
        for (int price = 1; price <= 15; ++price) {
            lists.offerMeeting(entry(price, 0.002, 1));
        }
        lists.offerMeeting(entry(c.price, c.outagePct, 2));
        EXPECT_EQ(lists.meetingCount, 15);
        EXPECT_EQ(lists.meetingList[13].price, 14.0);
        EXPECT_EQ(lists.meetingList[14].price, 15.0);
        EXPECT_EQ(lists.meetingList[14].indices.d1Index, c.enters ? 2 : 1) << c.outagePct;
    }
}

TEST(NearMissList, AdmitsOnlyBelowTheLastOutage) {
    CombinationLists lists;
    EXPECT_FALSE(lists.nearMissAdmits(100.0));
    EXPECT_TRUE(lists.nearMissAdmits(99.9));
    for (int n = 1; n <= 5; ++n) {
        lists.insertNearMiss(entry(10.0 * n, 0.01 * n));
    }
    EXPECT_FALSE(lists.nearMissAdmits(0.05));
    EXPECT_TRUE(lists.nearMissAdmits(0.049));
    lists.insertNearMiss(entry(5.0, 0.03));
    EXPECT_EQ(lists.nearMissCount, 5);
    EXPECT_EQ(lists.nearMissList[2].price, 5.0); // equal outage: cheaper first
    EXPECT_EQ(lists.nearMissList[3].price, 30.0);
    EXPECT_EQ(lists.nearMissList[4].outagePct, 0.04);
}

// Antennas 900 + 1500 (diversity 500 each); feeders 40/m x 30 m + 200 and 25/m x 50 m + 150,
// that is 2800 for one run of each.
TEST(CombinationPrice, CountsAntennasAndFeederRuns) {
    const struct {
        DiversityMode diversity;
        UsageMode usage;
        double price;
    } cases[] = {{DiversityMode::No, UsageMode::Single, 5200.0},
                 {DiversityMode::Freq, UsageMode::Hsb, 5200.0},
                 {DiversityMode::No, UsageMode::OnePlusOne, 8000.0},
                 {DiversityMode::Space, UsageMode::Single, 9000.0},
                 {DiversityMode::Space, UsageMode::OnePlusOne, 14600.0}};
    const PriceTables prices = priceTables(test::makeStandardLibrary(), AntennaType::ParabSolid, 0);
    for (const auto& c : cases) {
        HopRecord record;
        record.diversityMode = c.diversity;
        record.usageMode = c.usage;
        record.feeder1LengthM = 30.0;
        record.feeder2LengthM = 50.0;
        EXPECT_EQ(combinationPrice(record, prices, {1, 2, 0, 1, 0}), c.price) << c.price;
    }
}

TEST(CombinationPrice, NoPriceForAnIndexOutsideTheTables) {
    EquipmentLibrary library = test::makeStandardLibrary();
    HopRecord record;
    const PriceTables prices = priceTables(library, record.antennaType, 0);
    EXPECT_FALSE(combinationPrice(record, prices, {6, 1, 0, 0, 0}));
    EXPECT_FALSE(combinationPrice(record, prices, {1, 1, 4, 0, 0}));
    EXPECT_FALSE(combinationPrice(record, prices, {1, 1, 0, -1, 0}));
    // The diversity antenna only counts with space diversity.
    EXPECT_TRUE(combinationPrice(record, prices, {1, 1, 0, 0, -1}));
    record.diversityMode = DiversityMode::Space;
    EXPECT_FALSE(combinationPrice(record, prices, {1, 1, 0, 0, -1}));
    // A feeder type count above the capacity, and a feeder table the library lacks.
    library.feederTypeCount[0] = 40;
    EXPECT_EQ(priceTables(library, AntennaType::ParabGrid, 0).feederCount, 8);
    EXPECT_FALSE(combinationPrice(record, priceTables(library, record.antennaType, 1), {}));
}

// Round numbers: with no feeder, connector or branching loss the margin is 10 + Ga1 + Ga2 dB,
// and the flat outage K x 10^(-0.1 M) x 6500 %.
// Multipath occurrence: the flat outage at zero fade depth as a fraction, K x 6500 / 100.
constexpr double kOccurrence = 1e-4 * 6500.0 / 100.0;

CombinationContext roundContext(DiversityMode diversity) {
    CombinationContext context;
    HopRecord& r = context.record = test::makeTypicalHop().record;
    r.diversityMode = diversity;
    r.branchingLossDb = r.connector1LossDb = r.connector2LossDb = 0.0;
    context.pathLossDb = 100.0;
    context.geoclimaticFactor = 1e-4;
    context.outageFactors = OutageFactors{1000.0, 6.5, 1.0, 1.0};
    context.distanceTerm = std::pow(40.0, 0.48);
    context.frequencyTerm = std::pow(7.5, -0.12);
    context.occurrenceTerm = std::pow(kOccurrence, -1.04);
    return context;
}

double flatOutage(double marginDb) {
    return 1e-4 * std::pow(10.0, -0.1 * marginDb) * 6500.0;
}

// Space diversity improvement for the round context, written out from the formula.
double spaceImprovement(double marginDb, double gainDifferenceDb, double spacingM) {
    const double exponent = -0.000334 * std::pow(spacingM, 0.87) * std::pow(7.5, -0.12) *
                            std::pow(40.0, 0.48) * std::pow(kOccurrence, -1.04);
    return std::pow(10.0, 0.1 * (marginDb - gainDifferenceDb)) * (1.0 - std::exp(exponent));
}

// Rejected: outage 50 %, spacing 15 m. Otherwise only space diversity chooses the spacing.
TEST(CombinationOutage, RejectsAMarginOfTwelveDecibelsOrLess) {
    const struct {
        double gain1Dbi, gain2Dbi;
        bool rejected;
    } cases[] = {{0.5, 1.0, true}, {1.0, 1.0, true}, {1.0, 1.01, false}};
    for (const auto& c : cases) {
        for (DiversityMode mode : {DiversityMode::No, DiversityMode::Freq, DiversityMode::Space}) {
            const CombinationOutage result =
                combinationOutage(roundContext(mode), c.gain1Dbi, c.gain2Dbi, 0, 0, 0, 7.0);
            const bool rejected = result.outagePct == 50.0 && result.spacingM == 15.0;
            EXPECT_EQ(rejected, c.rejected) << c.gain2Dbi << " " << static_cast<int>(mode);
            EXPECT_TRUE(rejected || mode == DiversityMode::Space || result.spacingM == 7.0);
        }
    }
}

// Gains 15 and 15 give M' = 40 dB, the diversity antenna 2 dB below V = 2 dB. The objective asks
// for the improvement a given spacing gives; the spacing chosen is that one rounded half up and
// clamped to 5..15 m (0: met without diversity).
TEST(CombinationOutage, SpaceDiversityChoosesRoundedClampedSpacing) {
    const struct {
        double requiredSpacingM, expectedSpacingM;
    } cases[] = {{0.0, 5.0}, {3.0, 5.0}, {7.45, 7.0}, {7.55, 8.0}, {15.0, 15.0}, {22.0, 15.0}};
    const double outage = flatOutage(40.0);
    for (const auto& c : cases) {
        CombinationContext context = roundContext(DiversityMode::Space);
        if (c.requiredSpacingM > 0) {
            context.record.outageObjectivePct =
                outage / spaceImprovement(40.0, 2.0, c.requiredSpacingM);
        }
        const CombinationOutage result = combinationOutage(context, 15, 15, 0, 0, 13, 99);
        EXPECT_EQ(result.spacingM, c.expectedSpacingM) << c.requiredSpacingM;
        EXPECT_DOUBLE_EQ(result.outagePct, outage / spaceImprovement(40, 2, c.expectedSpacingM));
    }
    // An improvement above t = 10^(0.1 (M' - V)) is out of reach (x <= 0): rejected.
    CombinationContext context = roundContext(DiversityMode::Space);
    context.record.outageObjectivePct = outage / (std::pow(10.0, 3.8) * 1.01);
    const CombinationOutage result = combinationOutage(context, 14.0, 16.0, 0.0, 0.0, 14.0, 7.0);
    EXPECT_EQ(result.outagePct, 50.0);
    EXPECT_EQ(result.spacingM, 15.0);
}

} // namespace
} // namespace korvel
