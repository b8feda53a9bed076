// The hop calculation, the reset of the hop state and the results panel text.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/calculate_hop.h"
#include "engine/hop_reset.h"
#include "engine/results_panel.h"
#include "support/sample_hops.h"

namespace korvel {
namespace {

using enum DiversityMode;
using S = CalcStatus;
constexpr Method kM1 = Method::Method1, kM2 = Method::Method2;

HopState sample(double antenna1M = 70, double antenna2M = 55, DiversityMode d = No,
                Method method = kM2) {
    HopState hop = test::sample7500MHzHop();
    hop.record.antenna1HeightM = antenna1M;
    hop.record.antenna2HeightM = antenna2M;
    hop.record.diversityMode = d;
    hop.record.method = method;
    return hop;
}

// Shifts the transmitter power so that the flat margin comes out at the given value.
HopState withMargin(HopState hop, double marginDb) {
    HopState probe = hop;
    calculateHop(probe);
    hop.record.ptxDbm += marginDb - probe.results.M;
    return hop;
}

// 10 km at 1 GHz with lossless antennas and feeders and a 0 dBm transmitter, method 1: the
// free-space loss is exactly 112.5 dB, so the margin is exactly -112.5 dBm - threshold. With
// channels Fd apart, frequency diversity gives Ifm = 8 Fd 10^(M/10), which is 800 Fd at M = 20 dB.
HopState exactHop(double prxthDbm, double frequencyDifferenceGHz = 0.0) {
    HopState hop;
    HopRecord& r = hop.record;
    r.frequencyGHz = 1.0;
    r.hopLengthKm = 10.0;
    r.prxthDbm = prxthDbm;
    r.method = kM1;
    r.diversityMode = frequencyDifferenceGHz > 0 ? Freq : No;
    r.frequencyDifferenceGHz = frequencyDifferenceGHz;
    r.selectiveFading = SelectiveFading::User;
    hop.results.Msm = 20.0;
    return hop;
}

using Values = std::vector<double>;

// Compares results with values worked out independently, to nine significant digits.
void expectClose(const Values& actual, const Values& expected) {
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1e-9 * std::abs(expected[i])) << "value " << i;
    }
}

// The sample hop in each method and diversity mode. K, pfm, psm and p depend on the method only;
// Ifm, pfmd, psmd and pd stay 0 without diversity.
TEST(CalculateHop, SampleHopMatchesIndependentValues) {
    const Values m2{0.000501187233627, 0.0414251700365, 0.0431880815586, 0.0846132515951};
    const Values m1{3.98107170553e-05, 0.0171873821956, 0.0179188175544, 0.03510619975};
    // Method, diversity, antenna spacing (40 m is taken as 25 m), Ifm, pfmd, psmd, pd.
    const std::tuple<Method, DiversityMode, double, Values> cases[] = {
        {kM2, No, 10, {0, 0, 0, 0}},
        {kM1, No, 10, {0, 0, 0, 0}},
        {kM2, Space, 10, {12.0604266299, 0.00343480138041, 0.00358097461094, 0.00701577599134}},
        {kM2, Space, 40, {26.6468920532, 0.00155459668444, 0.00162075492603, 0.00317535161047}},
        {kM2, Freq, 10, {39.6996076039, 0.00104346547829, 0.001087871749, 0.00213133722729}},
        {kM1, Space, 10, {29.9459698433, 5.73946420354e-4, 5.98371588835e-4, 1.17231800919e-3}}};
    for (const auto& [method, diversity, spacingM, improved] : cases) {
        HopState hop = sample(70, 55, diversity, method);
        hop.record.antennaSpacingM = spacingM;
        const CalculationOutcome outcome = calculateHop(hop);
        EXPECT_EQ(outcome.status, S::Ok);
        EXPECT_TRUE(outcome.mathMessages.empty());
        const HopResults& r = hop.results;
        expectClose({r.Lc1, r.Lc2, r.Lo, r.Lho, r.Prx, r.M, r.cLat, r.cLon},
                    {2.3, 2.75, 142.04242509439325, 69.292425094393252, -39.292425094393252,
                     35.707574905606748, 0.3, 0.3});
        expectClose({r.K, r.pfm, r.psm, r.p}, method == kM2 ? m2 : m1);
        expectClose({r.Ifm, r.pfmd, r.psmd, r.pd}, improved);
        EXPECT_EQ(r.Ism, r.Ifm);
    }
}

// The status is the last one set: -2, then -5, then -3; -1 and -4 stop at once.
TEST(CalculateHop, StatusThresholdsAndPrecedence) {
    for (auto [name, hop, status] :
         {std::tuple{"MarginExactly12", exactHop(-124.5), S::Ok},
          {"MarginJustBelow12", exactHop(-124.49), S::LowMargin},
          {"MarginExactly0", exactHop(-112.5), S::NegativeMargin},
          {"GrazingJustAbove1", sample(44.5, 43.0), S::Ok},
          {"GrazingJustBelow1", sample(44.5, 42.5), S::LowGrazingAngle},
          {"GrazingJustAbove0_2", sample(30.0, 25.5), S::LowGrazingAngle},
          {"GrazingJustBelow0_2", sample(30.0, 25.0), S::Obstructed},
          {"NoAntennaHeightIsObstructed", sample(0.0, 0.0), S::Obstructed},
          {"Method1NeverLooksAtGrazing", sample(30, 25, No, kM1), S::Ok},
          {"ImprovementExactly100", exactHop(-132.5, 0.125), S::Ok},
          {"ImprovementJustAbove100", exactHop(-132.5, 0.12500001), S::HighImprovement},
          {"LowGrazingOverLowMargin", withMargin(sample(44.5, 42.5), 5), S::LowGrazingAngle},
          {"ObstructedOverLowMargin", withMargin(sample(30, 25), 5), S::Obstructed},
          {"NegativeMarginStopsFirst", withMargin(sample(30, 25), -1), S::NegativeMargin},
          {"HighImprovementOverLowMargin", exactHop(-124.49, 1.0), S::HighImprovement},
          {"HighImprovementOverLowGrazing", withMargin(sample(44.5, 42.5, Freq), 41),
           S::HighImprovement}}) {
        EXPECT_EQ(calculateHop(hop).status, status) << name;
    }
}

// Marks every result with a value no calculation gives, calculates and names the results still
// marked.
std::string resultsLeftAlone(HopState hop, CalcStatus expected) {
    std::array<double, 20> marked{};
    marked.fill(777.0);
    hop.results = std::bit_cast<HopResults>(marked);
    EXPECT_EQ(calculateHop(hop).status, expected);
    const auto values = std::bit_cast<std::array<double, 20>>(hop.results);
    std::istringstream names("cLat cLon K Lc1 Lc2 Lo Lho Prx M Msm pfm psm pfmd psmd p pd Ifm Ism "
                             "rainWorstMonthPct rainAnnualPct");
    std::string name, left;
    for (std::size_t i = 0; i < values.size() && names >> name; ++i) {
        left += values[i] == marked[i] ? name + " " : "";
    }
    return left;
}

// A stopped calculation leaves the later results as they were; so do the stages a hop skips.
TEST(CalculateHop, ResultsLeftAsTheyWere) {
    const std::string rain = "rainWorstMonthPct rainAnnualPct ";
    EXPECT_EQ(resultsLeftAlone(withMargin(sample(70, 55, Space), -3), S::NegativeMargin),
              "cLat cLon K Msm pfm psm pfmd psmd p pd Ifm Ism " + rain);
    EXPECT_EQ(resultsLeftAlone(sample(30, 25, Space), S::Obstructed),
              "Msm pfm psm pfmd psmd p pd Ifm Ism " + rain);
    EXPECT_EQ(resultsLeftAlone(sample(), S::Ok), "Msm pfmd psmd pd Ifm Ism " + rain);
    HopState hop = sample(70, 55, Space);
    hop.record.selectiveFading = SelectiveFading::No;
    EXPECT_EQ(resultsLeftAlone(hop, S::Ok), "Msm Ism " + rain);

    calculateHop(hop); // no selective outages
    const HopResults& r = hop.results;
    expectClose({r.psm, r.p, r.psmd, r.pd, r.Ifm}, {0.0, r.pfm, 0.0, r.pfmd, 12.0604266299});
}

TEST(CalculateHop, MathMessagesReachTheCallerInOrderAndTheCalculationGoesOn) {
    HopState hop = sample(70, 55, No, kM1);
    hop.record.frequencyGHz = -7.5;
    const CalculationOutcome outcome = calculateHop(hop);
    const std::vector<GuardMessage> expected{{"Math Error : Negative log10.", "Korvel"},
                                             {"Math error : Negative arithmetic power.", "Error"}};
    EXPECT_EQ(outcome.mathMessages, expected);
    EXPECT_EQ(outcome.status, S::Ok);
}

// A hop calculated right after another that differs in one input of its path gives what it gives
// after an unrelated hop: nothing of the other path is taken for its own. A message of the guard
// comes again with each calculation.
TEST(CalculateHop, EachPathInputGivesItsOwnTerms) {
    using Field = double HopRecord::*;
    const std::vector<Field> pathInputs{&HopRecord::hopLengthKm,     &HopRecord::frequencyGHz,
                                        &HopRecord::station1HeightM, &HopRecord::antenna1HeightM,
                                        &HopRecord::station2HeightM, &HopRecord::antenna2HeightM,
                                        &HopRecord::latitudeDeg,     &HopRecord::longitudeDeg,
                                        &HopRecord::pLPct,           &HopRecord::antennaSpacingM};
    const std::vector<void (*)(HopRecord&)> pathChoices{
        [](HopRecord& r) { r.eastWest = EastWest::West; },
        [](HopRecord& r) { r.landType = LandType::LargeWater; },
        // Both stations up into the mountains: the heights change the geoclimatic constant.
        [](HopRecord& r) { r.station1HeightM = r.station2HeightM = 1000.0; },
        [](HopRecord& r) { r.method = r.method == kM1 ? kM2 : kM1; }};
    const auto resultsAfter = [](const HopState& before, HopState hop) {
        HopState first = before;
        calculateHop(first);
        calculateHop(hop);
        return std::vector<double>{hop.results.Lo,  hop.results.K,   hop.results.pfm,
                                   hop.results.psm, hop.results.Ifm, hop.results.pfmd};
    };
    HopState unrelated = exactHop(-90.0);
    for (Method method : {kM1, kM2}) {
        HopState base = sample(70, 55, Space, method);
        base.record.longitudeDeg = 30.0; // where the hemisphere counts
        for (std::size_t i = 0; i < pathInputs.size() + pathChoices.size(); ++i) {
            HopState changed = base;
            if (i < pathInputs.size()) {
                changed.record.*pathInputs[i] *= 1.05;
            } else {
                pathChoices[i - pathInputs.size()](changed.record);
            }
            const auto afterBase = resultsAfter(base, changed);
            EXPECT_EQ(afterBase, resultsAfter(unrelated, changed)) << i;
        }
        HopState wetter = base;
        wetter.waterVapourDensity += 2.0;
        wetter.record.frequencyGHz = 30.0;
        HopState drier = wetter;
        drier.waterVapourDensity -= 2.0;
        const auto afterWetter = resultsAfter(wetter, drier);
        EXPECT_EQ(afterWetter, resultsAfter(unrelated, drier));
    }
    HopState negativeLength = sample(70, 55, No, kM1);
    negativeLength.record.hopLengthKm = -20.0;
    for (int time = 0; time < 2; ++time) {
        EXPECT_EQ(calculateHop(negativeLength).mathMessages.size(), 3U) << time;
    }
}

TEST(CalculateHop, StatusTexts) {
    std::string texts;
    for (S status : {S::Ok, S::NegativeMargin, S::LowMargin, S::HighImprovement, S::Obstructed,
                     S::LowGrazingAngle}) {
        texts += std::string(statusText(status)) + "|";
    }
    EXPECT_EQ(texts,
              "|Negative fading margin.|Fading margin below 12 dB.|Diversity improvement over "
              "100 .|The path is too obstructed and this method does not give reliable "
              "results. Please revise your planning or use other method.|Grazing angle is "
              "below 1 mrad. The path may be too obstructed and the calculation results may "
              "be unreliable.|");
}

template <std::size_t n> using Ints = std::array<std::int16_t, n>;

TEST(HopReset, NewAndTheSelectionResets) {
    HopState hop = test::sample7500MHzHop();
    HopRecord& r = hop.record;
    r.reserved1 = 12.5;
    r.diversityMode = DiversityMode::Space;
    r.usageMode = UsageMode::Hsb;
    r.polarization = Polarization::Horizontal;
    hop.results = {.cLat = 0.6, .cLon = -0.3, .K = 3.2e-5, .M = 30.0, .Ism = 5.0};
    hop.selection.antennaIndex = {0, 1, 2};
    resetHopRecord(r);
    resetHopResults(hop.results);
    resetHopSelection(hop, FirstRadioDefaults{1, 2});
    EXPECT_EQ(std::tuple(r.selectiveFading, r.diversityMode, r.usageMode, r.polarization),
              std::tuple(SelectiveFading::No, DiversityMode::No, UsageMode::Single,
                         Polarization::Vertical));
    EXPECT_EQ(std::tuple(r.reserved1, r.hopLengthKm, r.antennaSpacingM, r.connector1LossDb,
                         r.connector2LossDb, r.rainRateMmH, r.outageObjectivePct, r.pLPct),
              std::tuple(12.5, 0.0, 10.0, 0.5, 0.5, 22.0, 0.005, 1.0));
    EXPECT_EQ(r.modeText.view(), " - / -");
    const HopResults& out = hop.results;
    EXPECT_EQ(std::tuple(out.cLat, out.cLon, out.K), std::tuple(0.6, -0.3, 3.2e-5));
    EXPECT_EQ(std::tuple(out.M, out.Ism, out.rainWorstMonthPct, out.rainAnnualPct),
              std::tuple(0.0, 0.0, -1.0, -1.0));
    HopSelection& s = hop.selection;
    EXPECT_EQ((Ints<3>{s.ptxChoice, s.prxthChoice, s.otherBerExponent}), (Ints<3>{1009, 1017, -3}));
    EXPECT_EQ(std::tuple(s.antennaIndex, s.feederIndex),
              std::tuple(Ints<3>{3, 3, 3}, Ints<2>{1, 1}));

    // Antenna and feeder choices follow the antenna type and the feeder insulation.
    s.userDiameter = s.userGain = {1, 1, 1};
    s.userFeederLoss = {1, 1};
    resetAntennaSelection(s, AntennaType::ParabGrid);
    EXPECT_EQ(std::tuple(s.antennaIndex, s.userDiameter, s.userGain),
              std::tuple(Ints<3>{}, Ints<3>{}, Ints<3>{}));
    resetFeederSelection(s, FeederInsulation::Both);
    EXPECT_EQ(std::tuple(s.feederIndex, s.userFeederLoss), std::tuple(Ints<2>{3, 3}, Ints<2>{}));
    resetFeederSelection(s, FeederInsulation::Air);
    EXPECT_EQ(s.feederIndex, (Ints<2>{1, 1}));
    resetFeederSelection(s, static_cast<FeederInsulation>(0));
    EXPECT_EQ(s.feederIndex, Ints<2>{});
}

const std::string kBlank(41, ' ');

HopState panelHop(bool selective, DiversityMode diversity) {
    HopState hop;
    hop.record.selectiveFading = selective ? SelectiveFading::Standard : SelectiveFading::No;
    hop.record.diversityMode = diversity;
    // cLat cLon K Lc1 Lc2 Lo Lho Prx M Msm pfm psm pfmd psmd p pd Ifm Ism, rain outages.
    hop.results = {0,        0,        3.2e-5, 0,        0,        142.04,   69.29,
                   -39.29,   35.71,    35.53,  0.041426, 0.043188, 0.003434, 0.003581,
                   0.084613, 0.007016, 12.06,  0,        -1,       -1};
    return hop;
}

TEST(ResultsPanel, BothBlocksWithBlankLinesForWhatTheHopDoesNotUse) {
    const std::string budget = "K   :                    3.200e-05      \n"
                               "Free space loss:             142.0   dB  "
                               "Non-faded hop loss:           69.3   dB  "
                               "Unfaded received power:      -39.3   dBm "
                               "Flat fading margin:           35.7   dB  ";
    const std::string flat = "Flat outage time:             0.04143 % ";
    const std::string total = "Total outage w/o diversity:   0.08461 % ";
    const std::string diversity = "With diversity:                          "
                                  "Diversity improvement Ifm:    12.1       "
                                  "Flat outage with diversity:   0.00343 % ";
    const std::string totalWith = "Total outage with diversity:  0.00702 % ";
    const auto selective = resultsPanelText(panelHop(true, DiversityMode::Space));
    EXPECT_EQ(selective.upper, budget + "Selective fading margin:      35.5   dB  " + flat +
                                   "Selective outage time:        0.04319 % " + total);
    EXPECT_EQ(selective.lower, diversity + "Sel. outage with diversity:   0.00358 % " + totalWith);
    const auto flatOnly = resultsPanelText(panelHop(false, DiversityMode::Freq));
    EXPECT_EQ(flatOnly.upper, budget + kBlank + flat + kBlank + total);
    EXPECT_EQ(flatOnly.lower, diversity + kBlank + totalWith);
    EXPECT_FALSE(resultsPanelText(panelHop(false, DiversityMode::No)).lower);
}

// The improvement shown stops at 1000.0; wide values widen their entry instead of being cut.
TEST(ResultsPanel, CappedAndWideValues) {
    HopState hop = panelHop(false, DiversityMode::Space);
    for (auto [ifm, shown] : {std::pair{999.9, "999.9"}, {999.91, "1000.0"}, {1e300, "1000.0"}}) {
        hop.results.Ifm = ifm;
        const std::string line = std::string("Diversity improvement Ifm:   ") + shown + "       ";
        EXPECT_NE(resultsPanelText(hop).lower->find(line), std::string::npos) << ifm;
    }
    hop.results.K = 1.5e-100; // three-digit exponent
    hop.results.Lo = 1e120;   // printed whole, not cut
    const std::string upper = resultsPanelText(hop).upper;
    EXPECT_EQ(upper.substr(0, 42), "K   :                    1.500e-100      \n");
    const std::size_t value = upper.find("Free space loss:             99999999999999998");
    ASSERT_NE(value, std::string::npos);
    // 120 digits (the double just below 1e120), the point and one decimal, then the unit and the
    // next entry.
    EXPECT_EQ(upper.substr(value + 29 + 122, 30), "   dB  Non-faded hop loss:    ");
}

} // namespace
} // namespace korvel
