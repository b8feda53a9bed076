#include <gtest/gtest.h>

#include <string>

#include "case_name.h"
#include "engine/link_budget.h"

namespace korvel {
namespace {

struct GainCase {
    const char* name;
    double diameterM;
    double frequencyGHz;
    double expectedDbi;
};

class AntennaGain : public ::testing::TestWithParam<GainCase> {};

// The gain is compared exactly: it must equal the one-decimal value the Form page shows.
TEST_P(AntennaGain, IsRoundedToTheShownTenth) {
    const GainCase& c = GetParam();
    EXPECT_EQ(antennaGainDbi(c.diameterM, c.frequencyGHz), c.expectedDbi);
}

INSTANTIATE_TEST_SUITE_P(Cases, AntennaGain,
                         ::testing::Values(GainCase{"OnePointEightMetresAt7500MHz", 1.8, 7.5, 40.4},
                                           GainCase{"RoundsUp", 0.6, 23.0, 40.6},
                                           GainCase{"ThreeMetresAt6200MHz", 3.0, 6.2, 43.2},
                                           GainCase{"ZeroDiameter", 0.0, 7.5, 0.0},
                                           GainCase{"NegativeDiameter", -1.2, 7.5, 0.0},
                                           GainCase{"ZeroFrequency", 1.8, 0.0, 0.0}),
                         testing::CaseName{});

struct PathLossCase {
    const char* name;
    double hopLengthKm;
    double frequencyGHz;
    double expectedDb; // worked out independently
};

class PathLoss : public ::testing::TestWithParam<PathLossCase> {};

TEST_P(PathLoss, AddsGaseousAbsorptionFrom10GHz) {
    const PathLossCase& c = GetParam();
    MathGuard guard;
    EXPECT_NEAR(pathLossDb(c.hopLengthKm, c.frequencyGHz, 7.5, guard), c.expectedDb, 1e-9);
    EXPECT_TRUE(guard.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PathLoss,
    ::testing::Values(PathLossCase{"FreeSpaceOnlyAt7500MHz", 40.0, 7.5, 142.04242509439325},
                      PathLossCase{"FreeSpaceOnlyJustBelow10GHz", 40.0, 9.99, 144.5325095910789},
                      PathLossCase{"GaseousAt10GHzExactly", 20.0, 10.0, 138.7944650168528},
                      PathLossCase{"GaseousNearWaterVapourLine", 20.0, 23.0, 149.64809325132495},
                      PathLossCase{"GaseousAt38GHz", 20.0, 38.0, 152.56832484998074}),
    testing::CaseName{});

TEST(PathLoss, ZeroHopLengthIsCaughtByTheGuard) {
    MathGuard guard;
    // log10(0) is taken as 1: 20 + 20 log10(7.5) + 92.5.
    EXPECT_NEAR(pathLossDb(0.0, 7.5, 7.5, guard), 130.001225267834, 1e-9);
    ASSERT_EQ(guard.messages().size(), 1U);
    EXPECT_EQ(guard.messages()[0].text, "Math error : Overflow - log10.");
}

TEST(GaseousAttenuation, MatchesTheSimplifiedLineShapes) {
    EXPECT_NEAR(oxygenAttenuation(10.0), 0.007012804838632681, 1e-15);
    EXPECT_NEAR(waterVapourAttenuation(10.0, 7.5), 0.00668045034002541, 1e-15);
    EXPECT_NEAR(waterVapourAttenuation(23.0, 7.5), 0.18255766955406721, 1e-15);
    EXPECT_EQ(waterVapourAttenuation(23.0, 0.0), 0.0);
}

} // namespace
} // namespace korvel
