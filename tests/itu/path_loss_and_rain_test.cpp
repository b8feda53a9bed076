// Free space, gas, rain coefficients, rain attenuation and outage, monthly rain rate. Reference
// values: the published check values where there are some, else worked by hand from the formulas.

#include <gtest/gtest.h>

#include <cmath>

#include "itu/free_space.h"
#include "itu/gas_attenuation.h"
#include "itu/rain_attenuation.h"
#include "itu/rain_coefficients.h"
#include "itu/rain_rate.h"

namespace korvel::itu {
namespace {

TEST(FreeSpace, MatchesTheConstantFormOfTheLoss) {
    EXPECT_NEAR(freeSpaceLossDb(40.0, 7.5), 92.447783 + 20 * std::log10(300.0), 1e-6);
    EXPECT_NEAR(freeSpaceLossDb(40.0, 7.5), 141.9902083162766, 1e-9);
}

TEST(Gas, ReproducesTheValidationValuesAtTheStandardAtmosphere) {
    const GasAttenuation at12 = standardGasAttenuation(12.0);
    EXPECT_NEAR(at12.oxygenDbPerKm, 0.008698264, 1e-9);
    EXPECT_NEAR(at12.waterVapourDbPerKm, 0.009535388, 1e-9);
    EXPECT_NEAR(standardGasAttenuation(20.0).totalDbPerKm(), 0.108930855, 1e-9);
    // The cached standard lines equal the general sum.
    const GasAttenuation general = gasAttenuation(60.0, Atmosphere{});
    EXPECT_DOUBLE_EQ(standardGasAttenuation(60.0).oxygenDbPerKm, general.oxygenDbPerKm);
    EXPECT_GT(general.oxygenDbPerKm, 10.0); // the oxygen band
    // Dry air: no water vapour attenuation.
    EXPECT_DOUBLE_EQ(gasAttenuation(22.2, {1013.25, 288.15, 0.0}).waterVapourDbPerKm, 0.0);
}

TEST(RainCoefficients, ReproduceThePublishedTableAndMixPolarizations) {
    struct Row {
        double f, kH, alphaH, kV, alphaV;
    };
    for (const Row row :
         {Row{10, 0.01217, 1.2571, 0.01129, 1.2156}, Row{20, 0.09164, 1.0568, 0.09611, 0.9847}}) {
        const RainCoefficients h = rainCoefficients(row.f, 0.0, kHorizontalTiltDeg);
        const RainCoefficients v = rainCoefficients(row.f, 0.0, kVerticalTiltDeg);
        EXPECT_NEAR(h.k, row.kH, 5e-6) << row.f;
        EXPECT_NEAR(h.alpha, row.alphaH, 5e-5) << row.f;
        EXPECT_NEAR(v.k, row.kV, 5e-6) << row.f;
        EXPECT_NEAR(v.alpha, row.alphaV, 5e-5) << row.f;
    }
    const RainCoefficients tilted = rainCoefficients(18.0, 1.1457628381751035, kVerticalTiltDeg);
    EXPECT_NEAR(tilted.k, 0.07707486316065627, 1e-12);
    EXPECT_NEAR(tilted.alpha, 1.0025192407058479, 1e-12);
    const RainCoefficients circular = rainCoefficients(18.0, 0.0, 45.0);
    EXPECT_NEAR(circular.k, 0.07393009494206741, 1e-12);
    EXPECT_NEAR(circular.alpha, 1.0404779545661758, 1e-12);
    EXPECT_NEAR(pathElevationDeg(180.0, 480.0, 15.0), 1.1457628381751035, 1e-12);
    EXPECT_DOUBLE_EQ(pathElevationDeg(480.0, 180.0, 15.0), pathElevationDeg(180.0, 480.0, 15.0));
}

// 18 GHz, 15 km, 42 mm/h, vertical, 300 m height difference.
RainAttenuation sampleRain() {
    return rainAttenuation(42.0, rainCoefficients(18.0, 1.1457628381751035, kVerticalTiltDeg), 15.0,
                           18.0);
}

TEST(RainAttenuation, WorksTheHopThroughToItsPercentages) {
    const RainAttenuation rain = sampleRain();
    EXPECT_NEAR(rain.gammaDbPerKm, 3.267769451113284, 1e-9);
    EXPECT_NEAR(rain.distanceFactor, 0.5650735199232046, 1e-12);
    EXPECT_NEAR(rain.a001Db, 27.697949790571524, 1e-9);
    EXPECT_NEAR(rainAttenuationAtDb(rain, 0.1), 10.480371003703489, 1e-9);
    EXPECT_NEAR(rainAttenuationAtDb(rain, 0.01), 27.644713162335243,
                1e-9); // the law gives 0.998·A0.01
    // Short hop in heavy rain: the bracket falls below 0.4 and the distance factor stops at 2.5.
    const RainAttenuation shortHop =
        rainAttenuation(150.0, rainCoefficients(38.0, 0, 0), 0.2, 38.0);
    EXPECT_DOUBLE_EQ(shortHop.distanceFactor, kRainDistanceFactorCap);
}

TEST(RainOutage, SolvesInsideTheRangeAndBoundsOutsideIt) {
    const RainAttenuation rain = sampleRain();
    const RainOutage at30 = rainOutageForMargin(rain, 30.0);
    ASSERT_TRUE(at30.pct);
    EXPECT_NEAR(*at30.pct, 0.007930331936953729, 1e-12);
    EXPECT_EQ(at30.bound, RainBound::None);
    // The edges of the range are inside it; just past them only the bound is given.
    EXPECT_NEAR(*rainOutageForMargin(rain, rainAttenuationAtDb(rain, 0.001)).pct, 0.001, 1e-12);
    EXPECT_NEAR(*rainOutageForMargin(rain, rainAttenuationAtDb(rain, 1.0)).pct, 1.0, 1e-12);
    const RainOutage deep = rainOutageForMargin(rain, 54.8);
    EXPECT_FALSE(deep.pct);
    EXPECT_EQ(rainBoundName(deep.bound), "below-0.001");
    const RainOutage shallow = rainOutageForMargin(rain, 2.9);
    EXPECT_FALSE(shallow.pct);
    EXPECT_EQ(rainBoundName(shallow.bound), "above-1");
    EXPECT_EQ(rainOutageForMargin(rain, -1.0).bound, RainBound::AboveHighest);
    // No rain at all: never exceeded.
    EXPECT_EQ(rainOutageForMargin(rainAttenuation(0.0, {0.08, 1.0}, 15.0, 18.0), 30.0).bound,
              RainBound::BelowLowest);
}

TEST(RainRate, InvertsTheMonthlyDistributionAndGivesNothingInDeserts) {
    MonthlyClimate uniform;
    uniform.totalRainfallMm.fill(100.0);
    uniform.temperatureK.fill(293.15);
    // Same months: Σ N_i·P0_i/365.25 · Q(x) = p inverted by hand, P0_annual = 3.98549 %.
    EXPECT_NEAR(rainRateExceededMmH(uniform, 0.01), 53.27877719272271, 53.3e-6);
    EXPECT_GT(rainRateExceededMmH(uniform, 0.001), rainRateExceededMmH(uniform, 0.01));
    EXPECT_DOUBLE_EQ(rainRateExceededMmH(uniform, 4.0), 0.0);
    MonthlyClimate desert;
    desert.temperatureK.fill(300.0);
    EXPECT_DOUBLE_EQ(rainRateExceededMmH(desert, 0.01), 0.0);
    // Cold months keep r = 0.5874 mm/h; a very wet month caps P0 at 70 %: both stay finite.
    MonthlyClimate wetCold;
    wetCold.totalRainfallMm.fill(400.0);
    wetCold.temperatureK.fill(263.15);
    EXPECT_GT(rainRateExceededMmH(wetCold, 0.01), 0.0);
}

} // namespace
} // namespace korvel::itu
