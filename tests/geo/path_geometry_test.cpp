#include <cmath>

#include <gtest/gtest.h>

#include "geo/antenna_heights.h"
#include "geo/clearance_rules.h"
#include "geo/path_geometry.h"
#include "geo/profile_analysis.h"

namespace korvel {
namespace {

// Values worked by hand with a = 6371 km and λ = 0.299792458 / f m.
TEST(PathGeometry, BulgeFresnelAndClearanceMatchHandWorkedValues) {
    // 10 · 30 / (2 · 4/3 · 6371) km = 17.658 m
    EXPECT_NEAR(earthBulgeM(10.0, 30.0, 4.0 / 3.0), 17.658, 0.001);
    // Midway on 40 km with k = 1: 20 · 20 / (2 · 6371) km = 31.392 m
    EXPECT_NEAR(earthBulgeM(20.0, 20.0, 1.0), 31.392, 0.001);
    // sqrt(0.039972 m · 7500 m) = 17.3145 m
    EXPECT_NEAR(firstFresnelRadiusM(10.0, 30.0, 7.5), 17.3145, 0.0005);
    // sqrt(0.074948 m · 9600 m) = 26.824 m
    EXPECT_NEAR(firstFresnelRadiusM(16.0, 24.0, 4.0), 26.824, 0.001);
    EXPECT_DOUBLE_EQ(lineOfSightM(100.0, 40.0, 10.0, 40.0), 85.0);
    EXPECT_DOUBLE_EQ(clearanceM(85.0, 50.0, 10.0, 17.5), 7.5);
}

TEST(PathGeometry, NothingBulgesOrSpreadsAtTheEnds) {
    EXPECT_EQ(earthBulgeM(0.0, 40.0, 4.0 / 3.0), 0.0);
    EXPECT_EQ(firstFresnelRadiusM(0.0, 40.0, 7.5), 0.0);
    EXPECT_EQ(firstFresnelRadiusM(40.0, 0.0, 7.5), 0.0);
    EXPECT_EQ(firstFresnelRadiusM(0.0, 0.0, 7.5), 0.0);
}

TEST(ClearanceRules, Ke999FollowsTheCurveAndHoldsBeyondItsEnds) {
    EXPECT_DOUBLE_EQ(earthRadiusFactor999(50.0), 0.70);
    EXPECT_DOUBLE_EQ(earthRadiusFactor999(2.0), 0.52);
    EXPECT_DOUBLE_EQ(earthRadiusFactor999(0.0), 0.52);
    EXPECT_DOUBLE_EQ(earthRadiusFactor999(500.0), 0.85);
    // Log-linear between read points: sqrt(10 · 20) km lies halfway.
    EXPECT_NEAR(earthRadiusFactor999(std::sqrt(200.0)), (0.52 + 0.59) / 2.0, 1e-12);
}

TEST(ClearanceRules, SetsKeepStepOneAndVaryStepThree) {
    const auto tropical = clearanceRules(ClearanceRuleSet::Tropical, 50.0);
    ASSERT_EQ(tropical.size(), 2u);
    EXPECT_DOUBLE_EQ(tropical[0].c, 1.0);
    EXPECT_DOUBLE_EQ(tropical[0].k, 4.0 / 3.0);
    EXPECT_DOUBLE_EQ(tropical[1].c, 0.6);
    EXPECT_DOUBLE_EQ(tropical[1].k, 0.70);
    EXPECT_DOUBLE_EQ(clearanceRules(ClearanceRuleSet::TemperateIsolatedObstacle, 50.0)[1].c, 0.0);
    EXPECT_DOUBLE_EQ(clearanceRules(ClearanceRuleSet::TemperateExtendedObstacle, 50.0)[1].c, 0.3);
    EXPECT_DOUBLE_EQ(clearanceRules(ClearanceRuleSet::Tropical, 50.0, 1.2)[0].k, 1.2);
}

TEST(ClearanceRules, ParsesNumbersFractionsAndKe) {
    const auto plain = parseClearanceRule("0.6@0.8", 40.0);
    ASSERT_TRUE(plain);
    EXPECT_DOUBLE_EQ(plain->c, 0.6);
    EXPECT_DOUBLE_EQ(plain->k, 0.8);
    EXPECT_DOUBLE_EQ(parseClearanceRule("1@4/3", 40.0)->k, 4.0 / 3.0);
    EXPECT_DOUBLE_EQ(parseClearanceRule("0.3@ke", 50.0)->k, 0.70);
    EXPECT_DOUBLE_EQ(parseClearanceRule("0@ke", 50.0)->c, 0.0);
    for (const char* bad :
         {"", "0.6", "@1", "0.6@", "-0.1@1", "1@0", "1@-1", "1@4/0", "x@1", "1@1.2x", "1@nan"}) {
        EXPECT_FALSE(parseClearanceRule(bad, 40.0)) << bad;
    }
}

// A flat 40 km path at sea level seen at 7.5 GHz: at midpoint the 4/3 bulge is 23.544 m and
// F1 19.993 m, so 1.0 F1 at 4/3 needs the line at 43.537 m there.
class FlatPath : public ::testing::Test {
  protected:
    TerrainProfile profile{{0.0, 0.0}, {10.0, 0.0}, {20.0, 0.0}, {30.0, 0.0}, {40.0, 0.0}};
    std::vector<ClearanceRule> medianRule{{1.0, 4.0 / 3.0}};
    static constexpr double kNeedAtMidpointM = 43.537;
};

TEST_F(FlatPath, EqualHeightsLiftTheLineToTheMidpointNeed) {
    const auto heights = lowestEqualAntennaHeights(profile, {}, 7.5, medianRule);
    EXPECT_NEAR(heights.antenna1M, kNeedAtMidpointM, 0.001);
    EXPECT_DOUBLE_EQ(heights.antenna2M, heights.antenna1M);
    EXPECT_TRUE(ruleMet(profile, {heights.antenna1M, heights.antenna2M}, 7.5, medianRule[0]));
    EXPECT_FALSE(
        ruleMet(profile, {heights.antenna1M - 0.01, heights.antenna2M - 0.01}, 7.5, medianRule[0]));
}

TEST_F(FlatPath, FixedEndPivotsTheLine) {
    // Station 1 at 10 m: the point 10 km from it rules, where the line must reach 17.658 m of
    // bulge + 17.315 m of F1 a quarter of the way: 10 + (34.973 - 10) / 0.25 = 109.89 m.
    const auto oneFixed =
        lowestAntennaHeightWithOneFixed(profile, {}, 7.5, medianRule, FixedStation::Station1, 10.0);
    EXPECT_DOUBLE_EQ(oneFixed.antenna1M, 10.0);
    EXPECT_NEAR(oneFixed.antenna2M, 109.89, 0.01);
    const auto twoFixed =
        lowestAntennaHeightWithOneFixed(profile, {}, 7.5, medianRule, FixedStation::Station2, 10.0);
    EXPECT_NEAR(twoFixed.antenna1M, 109.89, 0.01);
    EXPECT_DOUBLE_EQ(twoFixed.antenna2M, 10.0);
    EXPECT_TRUE(ruleMet(profile, {oneFixed.antenna1M, oneFixed.antenna2M}, 7.5, medianRule[0]));
}

TEST_F(FlatPath, EveryRuleCountsAndHeightsNeverGoBelowZero) {
    // 0.6 F1 at k = 0.5: 62.78 m bulge + 12.00 m at the midpoint beats 1.0 F1 at 4/3.
    std::vector<ClearanceRule> both = medianRule;
    both.push_back({0.6, 0.5});
    EXPECT_NEAR(lowestEqualAntennaHeights(profile, {}, 7.5, both).antenna1M, 74.78, 0.01);
    // Stations high above the sea need no mast at all.
    EXPECT_EQ(lowestEqualAntennaHeights(profile, {500.0, 500.0}, 7.5, both).antenna1M, 0.0);
    const TerrainProfile endsOnly{{0.0, 0.0}, {40.0, 0.0}};
    EXPECT_EQ(lowestEqualAntennaHeights(endsOnly, {}, 7.5, both).antenna1M, 0.0);
}

TEST_F(FlatPath, AnalysisNamesTheWorstPointAmongTheInnerOnes) {
    profile[1].groundM = 30.0; // a hill a quarter of the way
    profile[1].clutterM = 5.0;
    const auto analysis = analyseProfile(profile, {50.0, 50.0}, 7.5, 4.0 / 3.0);
    ASSERT_EQ(analysis.samples.size(), profile.size());
    EXPECT_DOUBLE_EQ(analysis.pathKm, 40.0);
    const ProfileSample& hill = analysis.samples[1];
    EXPECT_NEAR(hill.bulgeM, earthBulgeM(10.0, 30.0, 4.0 / 3.0), 1e-12);
    EXPECT_DOUBLE_EQ(hill.lineOfSightM, 50.0);
    EXPECT_NEAR(hill.clearanceM, 50.0 - 35.0 - 17.658, 0.001);
    ASSERT_TRUE(analysis.worst);
    EXPECT_EQ(analysis.worst->index, 1u);
    EXPECT_NEAR(analysis.worst->clearanceF1, hill.clearanceM / hill.f1M, 1e-12);
    EXPECT_EQ(analysis.samples.front().f1M, 0.0);
}

} // namespace
} // namespace korvel
