// The formulas behind a hop calculation: guarded maths, path loss, fading terms and rain.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/fading.h"
#include "engine/link_budget.h"
#include "engine/math_guard.h"
#include "engine/rain.h"
#include "engine/selective_margin.h"
#include "support/sample_hops.h"

namespace korvel {
namespace {

const GuardMessage kNegativeLog10{"Math Error : Negative log10.", "Korvel"};
const GuardMessage kZeroLog10{"Math error : Overflow - log10.", "Korvel"};

TEST(MathGuard, SubstitutesRecordsInOrderAndHandsOver) {
    MathGuard guard;
    EXPECT_EQ(guard.log10(HUGE_VAL), HUGE_VAL);
    EXPECT_DOUBLE_EQ(guard.pow(-2.0, 3.0), -8.0); // whole exponent
    EXPECT_EQ(guard.pow(0.0, -1.0), HUGE_VAL);    // silent, like overflow and underflow
    EXPECT_EQ(guard.pow(10.0, 400.0), HUGE_VAL);
    EXPECT_EQ(guard.pow(10.0, -400.0), 0.0);
    EXPECT_TRUE(guard.messages().empty());
    EXPECT_EQ(guard.log10(0.0), 1.0);
    EXPECT_EQ(guard.log10(-0.0), 1.0);
    EXPECT_EQ(guard.pow(-8.0, 1.0 / 3.0), 1.0);
    EXPECT_DOUBLE_EQ(guard.log10(-100.0), 2.0);
    const GuardMessage negativePower{"Math error : Negative arithmetic power.", "Error"};
    const std::vector<GuardMessage> expected{kZeroLog10, kZeroLog10, negativePower, kNegativeLog10};
    EXPECT_EQ(guard.takeMessages(), expected);
}

// The gain is compared exactly: it must equal the one-decimal value the Form page shows. Path
// losses are worked out independently; gaseous absorption is added from 10 GHz.
TEST(LinkBudget, AntennaGainAndPathLoss) {
    EXPECT_EQ(antennaGainDbi(1.8, 7.5), 40.4);
    EXPECT_EQ(antennaGainDbi(0.6, 23.0), 40.6); // rounds up
    EXPECT_EQ(antennaGainDbi(0.0, 7.5), 0.0);
    EXPECT_EQ(antennaGainDbi(-1.2, 7.5), 0.0);
    EXPECT_EQ(antennaGainDbi(1.8, 0.0), 0.0);
    MathGuard guard;
    EXPECT_NEAR(pathLossDb(40.0, 9.99, 7.5, guard), 144.5325095910789, 1e-9);
    EXPECT_NEAR(pathLossDb(20.0, 10.0, 7.5, guard), 138.7944650168528, 1e-9);
    EXPECT_NEAR(pathLossDb(20.0, 23.0, 7.5, guard), 149.64809325132495, 1e-9);
    EXPECT_EQ(waterVapourAttenuation(23.0, 0.0), 0.0);
    // A zero hop length is caught by the guard: log10(0) is taken as 1.
    EXPECT_NEAR(pathLossDb(0.0, 7.5, 7.5, guard), 130.001225267834, 1e-9);
    EXPECT_EQ(guard.takeMessages(), std::vector<GuardMessage>{kZeroLog10});
}

TEST(Fading, BandEdgesAndGeoclimaticConstants) {
    for (auto [latitude, db] : {std::pair{53.0, 0.0}, {59.0, 0.6}, {60.0, 0.7}, {90.0, 0.7}}) {
        EXPECT_NEAR(latitudeTermDb(latitude), db, 1e-12) << latitude;
    }
    const EastWest e = EastWest::East, w = EastWest::West;
    const std::tuple<EastWest, double, double> longitudes[] = {{e, 50.0, 0.3},   {e, 51.0, 0.0},
                                                               {w, 20.0, 0.3},   {w, 21.0, -0.3},
                                                               {w, 165.0, -0.3}, {w, 166.0, 0.0}};
    for (auto [side, longitude, db] : longitudes) {
        EXPECT_EQ(longitudeTermDb(side, longitude), db) << longitude;
    }
    // The lower antenna decides the geoclimatic constant: mountainous above 700 m.
    const Method m1 = Method::Method1, m2 = Method::Method2;
    const LandType land = LandType::Land, medium = LandType::MediumWater,
                   large = LandType::LargeWater;
    const std::tuple<Method, LandType, double, double> cases[] = {
        {m1, land, 700.5, 7.1},   {m1, land, 700.0, 6.5}, {m1, medium, 900.0, 5.9},
        {m1, large, 900.0, 5.5},  {m2, land, 700.5, 6.0}, {m2, land, 700.0, 5.4},
        {m2, medium, 900.0, 4.8}, {m2, large, 900.0, 4.4}};
    for (auto [method, landType, lowerM, expected] : cases) {
        EXPECT_EQ(geoclimaticConstant(method, landType, 1500.0, lowerM), expected) << lowerM;
    }
}

TEST(Fading, GrazingAngleAndHopSelectiveMargin) {
    HopRecord record = test::sample7500MHzHop().record;
    MathGuard guard;
    // An antenna below its station level puts the arc cosine argument above 1; the angle must
    // stay a number so the status checks can see it.
    record.hopLengthKm = 20.0;
    record.antenna2HeightM = -10.0;
    EXPECT_TRUE(std::isfinite(grazingAngleMrad(record, guard)));
    // The hop selective margin stops at zero (its value: the selective margin field's test).
    EXPECT_EQ(hopSelectiveMargin(20.0, 425.0), 0.0); // the length term equals the reference
    EXPECT_EQ(hopSelectiveMargin(6.0, 85.0), 0.0);
}

// Values worked out independently.
TEST(Rain, Outage) {
    constexpr auto kH = Polarization::Horizontal, kV = Polarization::Vertical;
    // Frequency GHz, hop length km, margin dB, rain rate mm/h, polarization; annual and worst
    // month outage %.
    using Case = std::tuple<double, double, double, double, Polarization, double, double>;
    const Case cases[] = {
        // The margin equals the 0.01 % attenuation (t = 1): the worked 0.00995 % and 0.0517 %.
        {15.0, 20.0, 21.908249105653265, 42.0, kV, 0.009949706432635203, 0.05171902601354802},
        {13.79, 30.0, 25.0, 42.0, kH, 0.012639317632057735, 0.0636809069028556},
        {13.79, 30.0, 25.0, 42.0, kV, 0.0082410183341774, 0.04390305846919092},
        {13.8, 30.0, 25.0, 42.0, kH, 0.011588357422437285, 0.05905073522539401},
        // The rate enters the specific attenuation uncapped, the distance factor capped at 100.
        {18.0, 15.0, 30.0, 150.0, kV, 0.060919883261898136, 0.2500054821778213},
        {18.0, 15.0, 30.0, 100.0, kV, 0.021425726382996713, 0.10076802866108645},
        // u would be negative: the percentage bottoms out at 10^(-0.546 / 0.086).
        {7.5, 40.0, 35.707574905606748, 22.0, kV, 4.4788115623459856e-07, 8.589730892172414e-06},
        {15.0, 20.0, 30.0, 0.0, kV, 4.4788115623459856e-07, 8.589730892172414e-06}};
    for (auto [frequency, length, margin, rate, polarization, annual, worstMonth] : cases) {
        const RainOutage outage = rainOutage(frequency, length, margin, rate, polarization);
        EXPECT_NEAR(outage.annualPct, annual, 1e-9 * annual) << frequency << " " << rate;
        EXPECT_NEAR(outage.worstMonthPct, worstMonth, 1e-9 * worstMonth)
            << frequency << " " << rate;
    }
}

// Outside the ranges of the formulas there is no rain result, never a number that looks like one.
TEST(Rain, OutsideTheRangesNothingIsComputed) {
    const std::tuple<const char*, double, double, double, double> cases[] = {
        {"Below6GHz", 5.99, 20.0, 30.0, 42.0},
        {"ZeroMargin", 15.0, 20.0, 0.0, 42.0},
        {"NegativeMargin", 15.0, 20.0, -3.0, 42.0},
        {"ZeroLength", 15.0, 0.0, 30.0, 42.0},
        {"NegativeRate", 15.0, 20.0, 30.0, -1.0}};
    for (auto [name, frequency, length, margin, rate] : cases) {
        const RainOutage outage =
            rainOutage(frequency, length, margin, rate, Polarization::Vertical);
        EXPECT_EQ(outage.annualPct, kRainNotComputedPct) << name;
        EXPECT_EQ(outage.worstMonthPct, kRainNotComputedPct) << name;
    }
    EXPECT_GT(rainOutage(6.0, 20.0, 30.0, 42.0, Polarization::Vertical).annualPct, 0.0);
}

// Mended: a margin far below the rain's attenuation (or a rate of 32767 mm/h) gave outages of
// thousands of percent.
TEST(Rain, NoOutageExceedsTheWholeTime) {
    const RainOutage flooded = rainOutage(40.0, 50.0, 0.01, 32767.0, Polarization::Horizontal);
    EXPECT_EQ(flooded.annualPct, 100.0);
    EXPECT_EQ(flooded.worstMonthPct, 100.0);
    const RainOutage wet = rainOutage(23.0, 30.0, 1.0, 150.0, Polarization::Horizontal);
    EXPECT_LT(wet.annualPct, 100.0);
    EXPECT_EQ(wet.worstMonthPct, 100.0);
}

// The Form page's selective margin field: the margin at 42.5 km with Standard, Msm with User.
TEST(SelectiveMargin, FieldShowsAndStoresByMode) {
    const std::tuple<SelectiveFading, double, double, double> cases[] = {
        // mode, field value shown before, msmRefDb and Msm after storing 35 at 21.25 km
        {SelectiveFading::Standard, 28.0, 35.0, 41.020599913279624},
        {SelectiveFading::User, 30.1, 28.0, 35.0},
        {SelectiveFading::No, 0.0, 28.0, 30.1}};
    for (auto [mode, shown, msmRefDb, Msm] : cases) {
        HopState hop;
        hop.record.selectiveFading = mode;
        hop.record.hopLengthKm = 21.25;
        hop.record.msmRefDb = 28.0;
        hop.results.Msm = 30.1;
        EXPECT_EQ(selectiveMarginFieldDb(hop.record, hop.results), shown);
        storeSelectiveMargin(hop.record, hop.results, 35.0);
        EXPECT_EQ(hop.record.msmRefDb, msmRefDb);
        EXPECT_NEAR(hop.results.Msm, Msm, 1e-12);
    }
}

} // namespace
} // namespace korvel
