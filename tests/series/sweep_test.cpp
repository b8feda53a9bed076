// Each sweep point against calculateHop on the hop with that one input changed by hand, and the
// ranges and refusals a sweep starts from.

#include <gtest/gtest.h>

#include <functional>

#include "engine/fading.h"
#include "engine/link_budget.h"
#include "series/sweep.h"
#include "series/sweep_diameters.h"
#include "support/sample_hops.h"
#include "support/test_library.h"

namespace korvel {
namespace {

struct PointCase {
    const char* name;
    DiversityMode diversity;
    SweepInput input;
    SweepRange range;
    std::function<void(HopState&, double)> change; // the change as the Form page makes it
};

HopState hopWith(DiversityMode diversity) {
    HopState hop = test::sample7500MHzHop();
    hop.record.frequencyGHz = 13.0; // rain numbers too
    hop.record.diversityMode = diversity;
    hop.record.outageObjectivePct = 0.005;
    hop.record.rainRateMmH = 42.0;
    return hop;
}

// Outage, flat and selective parts with diversity where the hop has it, and the rain at the
// hop's rate from the recalculated margin.
void expectPointIs(const SweepPoint& point, const HopState& expected) {
    HopState calculated = expected;
    const CalcStatus status = calculateHop(calculated).status;
    EXPECT_EQ(point.status, status);
    ASSERT_EQ(point.outcome, PointOutcome::Results);
    const HopResults& out = calculated.results;
    const bool diversity = expected.record.diversityMode != DiversityMode::No;
    EXPECT_EQ(point.outagePct, diversity ? out.pd : out.p);
    EXPECT_EQ(point.flatPct, diversity ? out.pfmd : out.pfm);
    EXPECT_EQ(point.selectivePct, diversity ? out.psmd : out.psm);
    const RainOutage rain =
        rainOutage(expected.record.frequencyGHz, expected.record.hopLengthKm, out.M,
                   expected.record.rainRateMmH, expected.record.polarization);
    EXPECT_EQ(point.rain.annualPct, rain.annualPct);
    EXPECT_EQ(point.rain.worstMonthPct, rain.worstMonthPct);
}

void PrintTo(const PointCase& c, std::ostream* out) {
    *out << c.name;
}

class SweepPoints : public ::testing::TestWithParam<PointCase> {};

TEST_P(SweepPoints, AreWhatTheCalculationGivesWithThatOneInputChanged) {
    const PointCase& c = GetParam();
    const HopState hop = hopWith(c.diversity);
    const Sweep sweep = sweepHop(hop, c.input, c.range);
    ASSERT_EQ(sweep.points.size(), static_cast<std::size_t>(c.range.steps));
    EXPECT_EQ(sweep.points.front().value, c.range.from);
    EXPECT_EQ(sweep.points.back().value, c.range.to);
    EXPECT_EQ(sweep.currentValue, sweepInputValue(hop.record, c.input));
    EXPECT_EQ(sweep.objectivePct, 0.005);
    EXPECT_TRUE(sweep.hasRain);
    for (const SweepPoint& point : sweep.points) {
        SCOPED_TRACE(point.value);
        HopState expected = hop;
        c.change(expected, point.value);
        expectPointIs(point, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryInput, SweepPoints,
    ::testing::Values(PointCase{"Diameter",
                                DiversityMode::No,
                                SweepInput::Diameter,
                                {0.6, 3.0, 4},
                                [](HopState& h, double d) {
                                    h.record.antenna1DiameterM = h.record.antenna2DiameterM = d;
                                    h.record.antenna1GainDbi = h.record.antenna2GainDbi =
                                        antennaGainDbi(d, h.record.frequencyGHz);
                                }},
                      PointCase{"Antenna2DiameterAlone",
                                DiversityMode::Space,
                                SweepInput::Antenna2Diameter,
                                {0.6, 3.0, 3},
                                [](HopState& h, double d) {
                                    h.record.antenna2DiameterM = d;
                                    h.record.antenna2GainDbi =
                                        antennaGainDbi(d, h.record.frequencyGHz);
                                }},
                      PointCase{"LengthWithStandardSelectiveMargin",
                                DiversityMode::No,
                                SweepInput::Length,
                                {10.0, 55.0, 4},
                                [](HopState& h, double d) {
                                    h.record.hopLengthKm = d;
                                    h.results.Msm = hopSelectiveMargin(h.record.msmRefDb, d);
                                }},
                      PointCase{"RainRate",
                                DiversityMode::Freq,
                                SweepInput::RainRate,
                                {0.0, 150.0, 4},
                                [](HopState& h, double r) { h.record.rainRateMmH = r; }},
                      PointCase{"SpacingAboveTheCap",
                                DiversityMode::Space,
                                SweepInput::Spacing,
                                {5.0, 30.0, 3},
                                [](HopState& h, double s) { h.record.antennaSpacingM = s; }},
                      PointCase{
                          "ChannelSpacing",
                          DiversityMode::Freq,
                          SweepInput::ChannelSpacing,
                          {0.05, 0.5, 3},
                          [](HopState& h, double fd) { h.record.frequencyDifferenceGHz = fd; }}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(Sweep, PointsWhoseCalculationStopsCarryTheStatusAndNoNumbers) {
    HopState hop = hopWith(DiversityMode::No);
    const Sweep sweep = sweepHop(hop, SweepInput::Diameter, {0.01, 1.8, 2});
    EXPECT_EQ(sweep.points[0].outcome, PointOutcome::Stopped);
    EXPECT_EQ(sweep.points[0].status, CalcStatus::NegativeMargin);
    EXPECT_EQ(sweep.points[0].outagePct, 0.0);
    EXPECT_EQ(sweep.points[0].rain.annualPct, kRainNotComputedPct);
    EXPECT_EQ(sweep.points[1].outcome, PointOutcome::Results);
}

TEST(Sweep, StepsThroughTheLibrarysDiametersAndCalculatesTheHopAsItIs) {
    const EquipmentLibrary library = makeTestLibrary();
    EXPECT_EQ(libraryDiameters(library, AntennaType::ParabGrid, {3.0, 1.0, 50}),
              (std::vector<double>{1.8, 2.4, 3.0}));
    EXPECT_TRUE(libraryDiameters(library, AntennaType::ParabSolid, {3.8, 9.0, 50}).empty());
    HopState hop = hopWith(DiversityMode::No);
    hop.record.antenna2DiameterM = 3.0; // the two ends differ: no point of the sweep is the hop
    const std::vector<double> diameters{0.6, 1.2};
    const Sweep sweep = sweepHop(hop, SweepInput::Diameter, diameters);
    ASSERT_EQ(sweep.points.size(), 2u);
    EXPECT_EQ(sweep.points[1].value, 1.2);
    HopState calculated = hop;
    calculateHop(calculated);
    EXPECT_EQ(sweep.own.outagePct, calculated.results.p);
    EXPECT_EQ(nearestPoint(sweep, 1.0)->value, 1.2);
}

TEST(Sweep, HasNoRainBelowSixGigahertz) {
    HopState hop = hopWith(DiversityMode::No);
    hop.record.frequencyGHz = 5.9;
    const Sweep sweep = sweepHop(hop, SweepInput::Length, {20.0, 40.0, 2});
    EXPECT_FALSE(sweep.hasRain);
    EXPECT_EQ(sweep.points[1].rain.annualPct, kRainNotComputedPct);
    EXPECT_GT(sweep.points[1].outagePct, 0.0);
    EXPECT_FALSE(sweepInputRefusal(hop.record, SweepInput::RainRate).empty());
}

TEST(SweepInputs, RefuseWhatTheHopOrTheCalculationCannotTake) {
    const HopRecord plain = hopWith(DiversityMode::No).record;
    EXPECT_FALSE(sweepInputRefusal(plain, SweepInput::Spacing).empty());
    EXPECT_FALSE(sweepInputRefusal(plain, SweepInput::ChannelSpacing).empty());
    EXPECT_TRUE(sweepInputRefusal(plain, SweepInput::RainRate).empty());
    EXPECT_TRUE(
        sweepInputRefusal(hopWith(DiversityMode::Space).record, SweepInput::Spacing).empty());

    EXPECT_TRUE(sweepRangeRefusal(SweepInput::Length, {0.1, 80.0, 2}).empty());
    EXPECT_TRUE(sweepRangeRefusal(SweepInput::RainRate, {0.0, 80.0, 1000}).empty());
    EXPECT_FALSE(sweepRangeRefusal(SweepInput::Length, {0.1, 80.0, 1}).empty());
    EXPECT_FALSE(sweepRangeRefusal(SweepInput::Length, {0.1, 80.0, 1001}).empty());
    EXPECT_FALSE(sweepRangeRefusal(SweepInput::Length, {0.09, 80.0, 50}).empty());
    EXPECT_FALSE(sweepRangeRefusal(SweepInput::RainRate, {-1.0, 80.0, 50}).empty());
    EXPECT_FALSE(sweepRangeRefusal(SweepInput::Diameter, {0.0, 3.0, 50}).empty());
    EXPECT_FALSE(sweepRangeRefusal(SweepInput::ChannelSpacing, {1e-6, 1.0, 50}).empty());
}

TEST(SweepInputs, DefaultRangeIsHalfToTwiceTheHopsValueOrAFixedRangeWithoutOne) {
    HopRecord record = hopWith(DiversityMode::Space).record;
    const SweepRange length = defaultSweepRange(record, SweepInput::Length);
    EXPECT_EQ(length.from, 20.0);
    EXPECT_EQ(length.to, 80.0);
    EXPECT_EQ(length.steps, 50);
    record.antenna1DiameterM = 0.0;
    const SweepRange diameter = defaultSweepRange(record, SweepInput::Diameter);
    EXPECT_EQ(diameter.from, 0.3);
    EXPECT_EQ(diameter.to, 4.8);
    record.rainRateMmH = 0.0;
    EXPECT_EQ(defaultSweepRange(record, SweepInput::RainRate).to, 100.0);
    for (const SweepInput input : kSweepInputs) {
        EXPECT_EQ(sweepInputNamed(sweepInputName(input)), input);
        EXPECT_TRUE(sweepRangeRefusal(input, defaultSweepRange(record, input)).empty());
    }
    EXPECT_EQ(sweepInputNamed("height"), std::nullopt);
}

} // namespace
} // namespace korvel
