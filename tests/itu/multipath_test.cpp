// Multipath occurrence by both editions, the fade distribution, the average year, diversity and
// routes. Reference values worked by hand from the formulas for a 40 km, 7.5 GHz hop with its
// antennas at 180 and 150 m above sea level.

#include <gtest/gtest.h>

#include <cmath>

#include <array>

#include "itu/diversity_improvement.h"
#include "itu/fade_distribution.h"
#include "itu/multipath_occurrence.h"
#include "itu/route_fading.h"
#include "itu/route_methods.h"

namespace korvel::itu {
namespace {

constexpr HopGeometry kHop{40.0, 7.5, 180.0, 150.0};
constexpr double kP0v17 = 60.70829193598924; // dN1 = −400 N/km, s_a = 20 m

TEST(MultipathOccurrence, BothEditionsAndTheQuickK) {
    Notes notes;
    const MultipathOccurrence detailed = p530v17Occurrence(kHop, -400.0, 20.0, notes);
    EXPECT_NEAR(*detailed.K, 0.00010012077964707478, 1e-15);
    EXPECT_NEAR(*detailed.p0Pct.value, kP0v17, 1e-9);
    EXPECT_FALSE(detailed.quick);
    EXPECT_TRUE(notes.empty());
    const MultipathOccurrence quick = p530v17Occurrence(kHop, -400.0, std::nullopt, notes);
    EXPECT_TRUE(quick.quick);
    EXPECT_NEAR(*quick.K, 0.0003019951720402019, 1e-15);
    EXPECT_NEAR(*quick.p0Pct.value, 50.051362116038746, 1e-9);
    EXPECT_EQ(notes[0], "quick K and p_w: no s_a");

    const double hc = clearanceHeightM(kHop, 50.0);
    EXPECT_NEAR(hc, 99.31372549019608, 1e-12);
    const MultipathOccurrence v18 = p530v18Occurrence(kHop, -4.2, 20.0, hc, notes);
    EXPECT_NEAR(*v18.p0Pct.value, 112.23529094002306, 1e-9);
    EXPECT_DOUBLE_EQ(deepFadePct(kP0v17, 20.0), kP0v17 / 100.0);
}

TEST(MultipathOccurrence, RefusesOutsideItsRangeAndWarnsPastItsData) {
    Notes notes;
    auto v17Limit = [&](HopGeometry hop) {
        return p530v17Occurrence(hop, -400.0, 20.0, notes).p0Pct.limit;
    };
    auto v18Limit = [&](HopGeometry hop) {
        return p530v18Occurrence(hop, -4.2, 20.0, 100.0, notes).p0Pct.limit;
    };
    EXPECT_EQ(v17Limit({4.99, 7.5, 180, 150}), "hop shorter than 5 km");
    EXPECT_EQ(v17Limit({5.0, 7.5, 180, 150}), "");
    EXPECT_EQ(v18Limit({4.99, 7.5, 180, 150}), "hop shorter than 5 km");
    EXPECT_EQ(v17Limit({10.0, 1.49, 180, 150}), "frequency below 15/d GHz");
    EXPECT_EQ(v17Limit({10.0, 37.01, 180, 150}), "frequency above 37 GHz");
    EXPECT_EQ(v18Limit({10.0, 38.0, 180, 150}), "");
    EXPECT_EQ(v18Limit({10.0, 45.01, 180, 150}), "frequency above 45 GHz");
    EXPECT_EQ(p530v17Occurrence(kHop, -400.0, -1.0, notes).p0Pct.limit, "s_a below 0 m");
    EXPECT_EQ(p530v18Occurrence(kHop, -4.2, -1.0, 100.0, notes).p0Pct.limit, "dN75 below 0");
    EXPECT_TRUE(notes.empty());
    p530v17Occurrence({200.0, 7.5, 10.0, 8000.0}, -100.0, 900.0, notes);
    EXPECT_EQ(notes.size(), 5u); // d, |ε_p|, h_L, dN1 and s_a past the fitted data
    Notes obstructed;
    p530v18Occurrence(kHop, -4.2, 20.0, -5.0, obstructed);
    EXPECT_EQ(obstructed[0], "h_c < 0: grazing or obstructed path, p_w may be far too high");
}

TEST(FadeDistribution, InterpolatesShallowFadesAndJoinsTheDeepTail) {
    EXPECT_NEAR(*allFadesWorstMonthPct(kP0v17, 0.0).value, 63.212055882855765, 1e-9);
    EXPECT_NEAR(*allFadesWorstMonthPct(1.0, 0.0).value, 63.212055882855765, 1e-9);
    EXPECT_NEAR(*allFadesWorstMonthPct(kP0v17, 5.0).value, 7.357227424178725, 1e-9);
    EXPECT_NEAR(*allFadesWorstMonthPct(kP0v17, 20.0).value, 0.4875974409185413, 1e-9);
    // From A_t = 27.14 dB on: the deep tail itself.
    EXPECT_DOUBLE_EQ(*allFadesWorstMonthPct(kP0v17, 35.0).value, deepFadePct(kP0v17, 35.0));
    // Continuous across A_t.
    const double at = 25.0 + 1.2 * std::log10(kP0v17);
    EXPECT_NEAR(*allFadesWorstMonthPct(kP0v17, at - 1e-9).value, deepFadePct(kP0v17, at), 1e-6);
    EXPECT_EQ(allFadesWorstMonthPct(kP0v17, -0.1).limit, "fade margin below 0 dB");
    // p_t reaches 100 % for p0 above about 1.3e5 %.
    EXPECT_EQ(allFadesWorstMonthPct(2e5, 10.0).limit, "p_t ≥ 100 %: outside the method");
    EXPECT_TRUE(allFadesWorstMonthPct(1e5, 10.0).has());
    EXPECT_TRUE(allFadesWorstMonthPct(2e5, 40.0).has()); // past A_t the tail still holds
}

TEST(AverageYear, ConvertsByDeltaGCappedAt10point8) {
    const double ep = kHop.inclinationMrad();
    EXPECT_NEAR(deltaG(56.0, 40.0, ep).db, 7.841838896538949, 1e-12);
    EXPECT_NEAR(deltaG(-56.0, 40.0, ep).db, 7.841838896538949, 1e-12);
    EXPECT_NEAR(deltaG(30.0, 40.0, ep).db, 5.274912296181608, 1e-12);
    EXPECT_NEAR(deltaG(45.0, 40.0, ep).db, 6.355803669285244, 1e-12); // "+" up to 45°
    EXPECT_NEAR(deltaG(60.0, 40.0, ep).db, 8.350320013923687, 1e-12);
    const DeltaG capped = deltaG(80.0, 10.0, 0.0); // 12.5 dB by the formula
    EXPECT_TRUE(capped.capped);
    EXPECT_DOUBLE_EQ(capped.db, kDeltaGCapDb);
    const double dg = deltaG(56.0, 40.0, ep).db;
    EXPECT_NEAR(*allFadesAverageYearPct(kP0v17, 35.0, dg).value, 0.0031554704991135613, 1e-12);
    EXPECT_NEAR(*allFadesAverageYearPct(kP0v17, 10.0, dg).value, 0.6928075050020355, 1e-9);
}

TEST(Diversity, SpaceAndFrequencyImprovements) {
    Notes notes;
    EXPECT_NEAR(spaceDiversityImprovement(10.0, 7.5, 40.0, kP0v17, 35.0, 3.5, notes),
                26.749673993091253, 1e-9);
    EXPECT_EQ(notes.size(), 1u); // 40 km is below the 43 km of the fitted data
    Notes inside;
    EXPECT_NEAR(frequencyDiversityImprovement(7.5, 40.0, 0.3, 35.0, inside), 33.730961708462715,
                1e-9);
    EXPECT_TRUE(inside.empty());
    // The classic worked case: 80·(0.3/7)·10^4/350.
    EXPECT_NEAR(frequencyDiversityImprovement(7.0, 50.0, 0.3, 40.0, inside), 97.959183673, 1e-6);
    frequencyDiversityImprovement(7.0, 50.0, 0.4, 40.0, inside); // Δf/f above 5 %
    EXPECT_EQ(inside.size(), 1u);
}

TEST(Route, SimultaneousFadingAndRainSum) {
    const std::array<double, 3> pcts{0.01, 0.02, 0.005};
    // C = 0.5 + 0.0046·30 = 0.638.
    const double expected = 0.035 - std::pow(0.0002, 0.638) - std::pow(0.0001, 0.638);
    EXPECT_NEAR(simultaneousFadingPct(pcts, 30.0), expected, 1e-15);
    EXPECT_NEAR(simultaneousFadingPct(pcts, 45.0),
                0.035 - std::pow(0.0002, 0.68) - std::pow(0.0001, 0.68), 1e-15);
    EXPECT_DOUBLE_EQ(simultaneousFadingPct(std::array{0.02}, 30.0), 0.02);
    const std::array<double, 3> margins{30.0, 40.0, 35.0};
    EXPECT_DOUBLE_EQ(routeFadeDepthDb(margins), 35.0);

    std::array<HopRainOutage, 3> rain{HopRainOutage{0.002, false},
                                      HopRainOutage{std::nullopt, false},
                                      HopRainOutage{0.004, false}};
    const RouteRainOutage sum = routeRainOutage(rain);
    EXPECT_NEAR(*sum.pct, 0.007, 1e-15); // the hop below 0.001 % counts 0.001 %
    EXPECT_EQ(sum.hopsCountedAtLowest, 1);
    rain[1] = {std::nullopt, true};
    EXPECT_FALSE(routeRainOutage(rain).pct);
}

TEST(Route, TotalOfOneMethodFromItsHopColumns) {
    MethodResult a, b;
    a.totalWorstMonthPct = 0.01;
    a.fadeMarginDb = 30.0;
    a.rain = RainFigures{};
    a.rain->outagePct = 0.002;
    b.totalWorstMonthPct = 0.02;
    b.fadeMarginDb = 40.0;
    b.rain = RainFigures{};
    b.rain->outageBound = RainBound::BelowLowest;
    const std::array<const MethodResult*, 2> hops{&a, &b};
    const RouteMethodTotal total = routeMethodTotal(hops);
    EXPECT_DOUBLE_EQ(*total.fadeDepthDb, 35.0);
    EXPECT_DOUBLE_EQ(*total.worstMonthPct, simultaneousFadingPct(std::array{0.01, 0.02}, 35.0));
    EXPECT_NEAR(*total.rain.pct, 0.003, 1e-15);
    b.totalWorstMonthPct.reset();
    b.rain.reset();
    const RouteMethodTotal partial = routeMethodTotal(hops);
    EXPECT_FALSE(partial.worstMonthPct);
    EXPECT_FALSE(partial.rainComplete);
}

} // namespace
} // namespace korvel::itu
