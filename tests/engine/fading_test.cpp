#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "case_name.h"
#include "engine/fading.h"
#include "sample_hops.h"

namespace korvel {
namespace {

struct LatitudeCase {
    const char* name;
    double latitudeDeg;
    double expectedDb;
};

class LatitudeTerm : public ::testing::TestWithParam<LatitudeCase> {};

TEST_P(LatitudeTerm, FollowsTheBands) {
    EXPECT_NEAR(latitudeTermDb(GetParam().latitudeDeg), GetParam().expectedDb, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LatitudeTerm,
    ::testing::Values(LatitudeCase{"Equator", 0.0, 0.0}, LatitudeCase{"Below53", 52.0, 0.0},
                      LatitudeCase{"At53", 53.0, 0.0}, LatitudeCase{"At59", 59.0, 0.6},
                      LatitudeCase{"At60", 60.0, 0.7}, LatitudeCase{"Pole", 90.0, 0.7}),
    testing::CaseName{});

struct LongitudeCase {
    const char* name;
    EastWest eastWest;
    double longitudeDeg;
    double expectedDb;
};

class LongitudeTerm : public ::testing::TestWithParam<LongitudeCase> {};

TEST_P(LongitudeTerm, FirstMatchingBandWins) {
    const LongitudeCase& c = GetParam();
    EXPECT_EQ(longitudeTermDb(c.eastWest, c.longitudeDeg), c.expectedDb);
}

INSTANTIATE_TEST_SUITE_P(Cases, LongitudeTerm,
                         ::testing::Values(LongitudeCase{"East50", EastWest::East, 50.0, 0.3},
                                           LongitudeCase{"East51", EastWest::East, 51.0, 0.0},
                                           LongitudeCase{"West20", EastWest::West, 20.0, 0.3},
                                           LongitudeCase{"West21", EastWest::West, 21.0, -0.3},
                                           LongitudeCase{"West165", EastWest::West, 165.0, -0.3},
                                           LongitudeCase{"West166", EastWest::West, 166.0, 0.0}),
                         testing::CaseName{});

struct ConstantCase {
    const char* name;
    Method method;
    LandType landType;
    double lowerAltitudeM;
    double expected;
};

class GeoclimaticConstant : public ::testing::TestWithParam<ConstantCase> {};

TEST_P(GeoclimaticConstant, DependsOnMethodLandAndAltitude) {
    const ConstantCase& c = GetParam();
    // The lower antenna decides; the higher one is given as the first altitude.
    EXPECT_EQ(geoclimaticConstant(c.method, c.landType, 1500.0, c.lowerAltitudeM), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GeoclimaticConstant,
    ::testing::Values(
        ConstantCase{"M1LandMountainous", Method::Method1, LandType::Land, 700.5, 7.1},
        ConstantCase{"M1LandAt700", Method::Method1, LandType::Land, 700.0, 6.5},
        ConstantCase{"M1MediumWater", Method::Method1, LandType::MediumWater, 900.0, 5.9},
        ConstantCase{"M1LargeWater", Method::Method1, LandType::LargeWater, 900.0, 5.5},
        ConstantCase{"M2LandMountainous", Method::Method2, LandType::Land, 700.5, 6.0},
        ConstantCase{"M2LandAt700", Method::Method2, LandType::Land, 700.0, 5.4},
        ConstantCase{"M2MediumWater", Method::Method2, LandType::MediumWater, 900.0, 4.8},
        ConstantCase{"M2LargeWater", Method::Method2, LandType::LargeWater, 900.0, 4.4}),
    testing::CaseName{});

TEST(GeoclimaticFactor, AddsTheLatitudeAndLongitudeTermsToTheExponent) {
    HopRecord record = testing::sample7500MHzHop().record;
    record.method = Method::Method1;
    record.latitudeDeg = 65.0; // +0.7
    record.eastWest = EastWest::West;
    record.longitudeDeg = 100.0; // -0.3
    record.pLPct = 4.0;
    MathGuard guard;
    // 10^-(6.5 - 0.7 + 0.3) * 4^1.5
    EXPECT_NEAR(geoclimaticFactor(record, guard), std::pow(10.0, -6.1) * 8.0, 1e-18);
    EXPECT_TRUE(guard.messages().empty());
}

TEST(PathGeometry, SampleHop) {
    const HopRecord record = testing::sample7500MHzHop().record;
    MathGuard guard;
    EXPECT_DOUBLE_EQ(pathInclinationMrad(record), 0.75); // |180 - 150| m / 40 km
    EXPECT_NEAR(grazingAngleMrad(record, guard), 1.9395504715, 1e-9);
}

TEST(PathGeometry, EqualAntennaHeightsGiveAQuarterTurnInTheArcCosine) {
    HopRecord record = testing::sample7500MHzHop().record;
    record.hopLengthKm = 30.0;
    record.antenna1HeightM = 50.0;
    record.antenna2HeightM = 50.0;
    MathGuard guard;
    EXPECT_NEAR(grazingAngleMrad(record, guard), 2.4509803921568607, 1e-12);
}

// Without any antenna height the formula divides by zero; the path is taken as fully obstructed.
TEST(PathGeometry, NoAntennaHeightGivesZeroGrazingAngle) {
    HopRecord record = testing::sample7500MHzHop().record;
    record.antenna1HeightM = 0.0;
    record.antenna2HeightM = 0.0;
    MathGuard guard;
    EXPECT_EQ(grazingAngleMrad(record, guard), 0.0);
}

// An antenna below its station level puts the arc cosine argument above 1; the angle must stay a
// number so the status checks can see it.
TEST(PathGeometry, ArcCosineArgumentAboveOneIsClamped) {
    HopRecord record = testing::sample7500MHzHop().record;
    record.hopLengthKm = 20.0;
    record.antenna1HeightM = 50.0;
    record.antenna2HeightM = -10.0;
    MathGuard guard;
    EXPECT_TRUE(std::isfinite(grazingAngleMrad(record, guard)));
}

TEST(OutageFactors, PerMethod) {
    HopRecord record = testing::sample7500MHzHop().record;
    MathGuard guard;
    const OutageFactors method2 = outageFactors(record, 2.0, guard);
    EXPECT_NEAR(method2.distance, std::pow(40.0, 3.3), 1e-6);
    EXPECT_NEAR(method2.frequency, std::pow(7.5, 0.93), 1e-12);
    EXPECT_NEAR(method2.inclination, std::pow(1.75, -1.1), 1e-12);
    EXPECT_NEAR(method2.grazing, std::pow(2.0, -1.2), 1e-12);

    record.method = Method::Method1;
    const OutageFactors method1 = outageFactors(record, 2.0, guard);
    EXPECT_NEAR(method1.distance, std::pow(40.0, 3.6), 1e-5);
    EXPECT_NEAR(method1.frequency, std::pow(7.5, 0.89), 1e-12);
    EXPECT_NEAR(method1.inclination, std::pow(1.75, -1.4), 1e-12);
    EXPECT_EQ(method1.grazing, 1.0);
    EXPECT_TRUE(guard.messages().empty());
}

struct SelectiveMarginCase {
    const char* name;
    double msmRefDb;
    double hopLengthKm;
    double expectedDb;
};

class HopSelectiveMargin : public ::testing::TestWithParam<SelectiveMarginCase> {};

TEST_P(HopSelectiveMargin, ScalesTheReferenceMarginWithHopLength) {
    const SelectiveMarginCase& c = GetParam();
    EXPECT_NEAR(hopSelectiveMargin(c.msmRefDb, c.hopLengthKm), c.expectedDb, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HopSelectiveMargin,
    ::testing::Values(SelectiveMarginCase{"ReferenceLength", 35.0, 42.5, 35.0},
                      SelectiveMarginCase{"HalfLength", 35.0, 21.25, 41.020599913279624},
                      SelectiveMarginCase{"LengthTermEqualsReference", 20.0, 425.0, 0.0},
                      SelectiveMarginCase{"LengthTermAboveReference", 6.0, 85.0, 0.0}),
    testing::CaseName{});

} // namespace
} // namespace korvel
