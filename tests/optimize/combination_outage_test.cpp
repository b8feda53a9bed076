#include <gtest/gtest.h>

#include <cmath>

#include "case_name.h"
#include "engine/calculate_hop.h"
#include "optimize/combination_outage.h"
#include "optimize_fixture.h"

namespace korvel {
namespace {

// Round numbers: with no feeder, connector or branching loss the margin is 10 + Ga1 + Ga2 dB,
// and the flat outage K x 10^(-0.1 M) x 6500 %.
CombinationContext roundContext(DiversityMode diversity) {
    CombinationContext context;
    HopRecord& r = context.record;
    r.frequencyGHz = 7.5;
    r.hopLengthKm = 40.0;
    r.ptxDbm = 30.0;
    r.prxthDbm = -80.0;
    r.outageObjectivePct = 0.005;
    r.diversityMode = diversity;
    r.frequencyDifferenceGHz = 0.3;
    r.feeder1LengthM = 50.0;
    r.feeder2LengthM = 20.0;
    context.pathLossDb = 100.0;
    context.geoclimaticFactor = 1e-4;
    context.outageFactors = OutageFactors{1000.0, 6.5, 1.0, 1.0};
    context.distanceTerm = std::pow(40.0, 0.48);
    context.frequencyTerm = std::pow(7.5, -0.12);
    return context;
}

double flatOutage(double marginDb) {
    return 1e-4 * std::pow(10.0, -0.1 * marginDb) * 6500.0;
}

// Space diversity improvement at spacing s for the round context, written out from the formula.
double spaceImprovement(double marginDb, double gainDifferenceDb, double spacingM) {
    const double q = flatOutage(marginDb) / 100.0 * std::pow(10.0, 0.1 * marginDb);
    const double exponent = -0.000334 * std::pow(spacingM, 0.87) * std::pow(7.5, -0.12) *
                            std::pow(40.0, 0.48) * std::pow(q, -1.04);
    return std::pow(10.0, 0.1 * (marginDb - gainDifferenceDb)) * (1.0 - std::exp(exponent));
}

struct MarginCase {
    const char* name;
    double gain1Dbi;
    double gain2Dbi;
    bool rejected;
};

class MarginThreshold : public testing::TestWithParam<MarginCase> {};

TEST_P(MarginThreshold, RejectsTwelveDecibelsOrLess) {
    const MarginCase& c = GetParam();
    for (DiversityMode mode : {DiversityMode::No, DiversityMode::Freq, DiversityMode::Space}) {
        const CombinationOutage result =
            combinationOutage(roundContext(mode), c.gain1Dbi, c.gain2Dbi, 0.0, 0.0, 0.0, 7.0);
        if (c.rejected) {
            EXPECT_EQ(result.outagePct, 50.0);
            EXPECT_EQ(result.spacingM, 15.0);
        } else {
            EXPECT_LT(result.outagePct, 50.0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CombinationOutage, MarginThreshold,
                         testing::Values(MarginCase{"Below", 0.5, 1.0, true},
                                         MarginCase{"ExactlyTwelve", 1.0, 1.0, true},
                                         MarginCase{"JustAbove", 1.0, 1.01, false}),
                         test::CaseName());

TEST(CombinationOutage, FeederLossesCountOverTheirLengths) {
    // 4 dB/100 m over 50 m and 10 dB/100 m over 20 m take 4 dB off a 40 dB margin.
    const CombinationOutage result =
        combinationOutage(roundContext(DiversityMode::No), 15.0, 15.0, 4.0, 10.0, 0.0, 7.0);
    EXPECT_DOUBLE_EQ(result.outagePct, flatOutage(36.0));
    EXPECT_EQ(result.spacingM, 7.0);
}

TEST(CombinationOutage, SelectiveOutageAddsAsPrepared) {
    CombinationContext context = roundContext(DiversityMode::No);
    context.selectiveOutagePct = 0.002;
    const CombinationOutage result = combinationOutage(context, 15.0, 15.0, 0.0, 0.0, 0.0, 7.0);
    EXPECT_DOUBLE_EQ(result.outagePct, flatOutage(40.0) + 0.002);
}

TEST(CombinationOutage, FrequencyDiversityDividesAndKeepsTheSpacing) {
    CombinationContext context = roundContext(DiversityMode::Freq);
    context.selectiveOutagePct = 0.002;
    const CombinationOutage result = combinationOutage(context, 15.0, 15.0, 0.0, 0.0, 0.0, 7.25);
    const double improvement = 80.0 * (0.3 / 7.5) * 1e4 / (40.0 * 7.5);
    EXPECT_DOUBLE_EQ(result.outagePct, (flatOutage(40.0) + 0.002) / improvement);
    EXPECT_EQ(result.spacingM, 7.25);
}

// Space diversity: the objective is set so that the improvement needed is the one a given
// spacing gives; the spacing chosen is that one rounded and clamped to 5..15 m.
struct SpacingCase {
    const char* name;
    double requiredSpacingM; // 0: the objective is met without diversity
    double expectedSpacingM;
};

class SpaceDiversitySpacing : public testing::TestWithParam<SpacingCase> {};

TEST_P(SpaceDiversitySpacing, ChoosesRoundedClampedSpacing) {
    const SpacingCase& c = GetParam();
    CombinationContext context = roundContext(DiversityMode::Space);
    // Gains 15 and 15 give M' = 40 dB; the diversity antenna 2 dB below gives V = 2 dB.
    const double outage = flatOutage(40.0);
    if (c.requiredSpacingM > 0) {
        context.record.outageObjectivePct =
            outage / spaceImprovement(40.0, 2.0, c.requiredSpacingM);
    }
    const CombinationOutage result = combinationOutage(context, 15.0, 15.0, 0.0, 0.0, 13.0, 99.0);
    EXPECT_EQ(result.spacingM, c.expectedSpacingM);
    EXPECT_DOUBLE_EQ(result.outagePct, outage / spaceImprovement(40.0, 2.0, c.expectedSpacingM));
}

INSTANTIATE_TEST_SUITE_P(CombinationOutage, SpaceDiversitySpacing,
                         testing::Values(SpacingCase{"MetWithoutDiversity", 0.0, 5.0},
                                         SpacingCase{"BelowFiveClampedUp", 3.0, 5.0},
                                         SpacingCase{"RoundsDown", 7.45, 7.0},
                                         SpacingCase{"RoundsUp", 7.55, 8.0},
                                         SpacingCase{"Fifteen", 15.0, 15.0},
                                         SpacingCase{"TwentyTwoClampedDown", 22.0, 15.0}),
                         test::CaseName());

TEST(CombinationOutage, SpaceDiversityRejectsAnImprovementOutOfReach) {
    CombinationContext context = roundContext(DiversityMode::Space);
    // The required improvement is above t = 10^(0.1 (M' - V)): x = 1 - r/t <= 0.
    context.record.outageObjectivePct = flatOutage(40.0) / (std::pow(10.0, 3.8) * 1.01);
    const CombinationOutage result = combinationOutage(context, 14.0, 16.0, 0.0, 0.0, 14.0, 7.0);
    EXPECT_EQ(result.outagePct, 50.0);
    EXPECT_EQ(result.spacingM, 15.0);
}

// With the hop's own gains and losses the combination outage is the hop calculation's.
class AgreesWithHopCalculation : public testing::TestWithParam<DiversityMode> {};

TEST_P(AgreesWithHopCalculation, ForTheHopsOwnValues) {
    HopState hop = test::makeTypicalHop();
    HopRecord& r = hop.record;
    r.diversityMode = GetParam();
    r.selectiveFading = SelectiveFading::User;
    hop.results.Msm = 45.0;
    r.antenna1GainDbi = 38.4;
    r.antenna2GainDbi = 36.0;
    r.diversityGainDbi = 33.0;
    r.feeder1LossDbPer100m = 4.5;
    r.feeder2LossDbPer100m = 3.0;
    r.outageObjectivePct = 0.0002;

    MathGuard guard;
    const CombinationContext context =
        makeCombinationContext(hop, grazingAngleMrad(r, guard), guard);
    const CombinationOutage result =
        combinationOutage(context, 38.4, 36.0, 4.5, 3.0, 33.0, r.antennaSpacingM);
    r.antennaSpacingM = result.spacingM;
    EXPECT_NE(calculateHop(hop).status, CalcStatus::Obstructed);
    EXPECT_TRUE(guard.messages().empty());
    const double expected = GetParam() == DiversityMode::No ? hop.results.p : hop.results.pd;
    EXPECT_DOUBLE_EQ(result.outagePct, expected);
}

INSTANTIATE_TEST_SUITE_P(CombinationOutage, AgreesWithHopCalculation,
                         testing::Values(DiversityMode::No, DiversityMode::Freq,
                                         DiversityMode::Space));

} // namespace
} // namespace korvel
