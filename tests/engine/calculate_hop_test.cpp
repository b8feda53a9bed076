#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/calculate_hop.h"
#include "sample_hops.h"

namespace korvel {
namespace {

using Diversity = DiversityMode;
using S = CalcStatus;
constexpr Method kM1 = Method::Method1, kM2 = Method::Method2;

HopState sample(double antenna1M = 70, double antenna2M = 55, Diversity d = Diversity::No,
                Method method = kM2) {
    HopState hop = testing::sample7500MHzHop();
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

// 10 km at 1 GHz with lossless antennas and feeders, method 1: the free-space loss is exactly
// 112.5 dB, so the margin is exactly -82.5 dBm - threshold.
HopState exactMarginHop(double prxthDbm) {
    HopState hop;
    hop.record.frequencyGHz = 1.0;
    hop.record.hopLengthKm = 10.0;
    hop.record.ptxDbm = 30.0;
    hop.record.prxthDbm = prxthDbm;
    hop.record.pLPct = 1.0;
    hop.record.method = kM1;
    return hop;
}

// Frequency diversity on that hop: Ifm = 8 Fd 10^(M/10), which is 800 Fd at M = 20 dB.
HopState exactImprovement(double prxthDbm, double frequencyDifferenceGHz) {
    HopState hop = exactMarginHop(prxthDbm);
    hop.record.diversityMode = Diversity::Freq;
    hop.record.frequencyDifferenceGHz = frequencyDifferenceGHz;
    hop.record.selectiveFading = SelectiveFading::User;
    hop.results.Msm = 20.0;
    return hop;
}

// Compares results with values worked out independently, to nine significant digits.
void expectClose(const std::vector<double>& actual, const std::vector<double>& expected) {
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1e-9 * std::abs(expected[i])) << "value " << i;
    }
}

TEST(CalculateHop, SampleHopMatchesIndependentValues) {
    for (auto [method, K, pfm, psm, p] :
         {std::tuple{kM2, 0.000501187233627, 0.0414251700365, 0.0431880815586, 0.0846132515951},
          {kM1, 3.98107170553e-05, 0.0171873821956, 0.0179188175544, 0.03510619975}}) {
        HopState hop = sample(70, 55, Diversity::No, method);
        const CalculationOutcome outcome = calculateHop(hop);
        EXPECT_EQ(outcome.status, S::Ok);
        EXPECT_TRUE(outcome.mathMessages.empty());
        const HopResults& r = hop.results;
        expectClose({r.Lc1, r.Lc2, r.Lo, r.Lho, r.Prx, r.M, r.cLat, r.cLon, r.K, r.pfm, r.psm, r.p},
                    {2.3, 2.75, 142.04242509439325, 69.292425094393252, -39.292425094393252,
                     35.707574905606748, 0.3, 0.3, K, pfm, psm, p});
    }
}

TEST(CalculateHop, DiversityMatchesIndependentValues) {
    for (auto [method, diversity, spacingM, Ifm, pfmd, psmd, pd] :
         {std::tuple{kM2, Diversity::Space, 10.0, 12.0604266299, 0.00343480138041, 0.00358097461094,
                     0.00701577599134},
          {kM2, Diversity::Space, 40.0 /* taken as 25 */, 26.6468920532, 0.00155459668444,
           0.00162075492603, 0.00317535161047},
          {kM2, Diversity::Freq, 10.0, 39.6996076039, 0.00104346547829, 0.001087871749,
           0.00213133722729},
          {kM1, Diversity::Space, 10.0, 29.9459698433, 0.000573946420354, 0.000598371588835,
           0.00117231800919}}) {
        HopState hop = sample(70, 55, diversity, method);
        hop.record.antennaSpacingM = spacingM;
        EXPECT_EQ(calculateHop(hop).status, S::Ok);
        const HopResults& r = hop.results;
        expectClose({r.Ifm, r.Ism, r.pfmd, r.psmd, r.pd}, {Ifm, Ifm, pfmd, psmd, pd});
    }
}

// The status is the last one set: -2, then -5, then -3; -1 and -4 stop at once.
TEST(CalculateHop, StatusThresholdsAndPrecedence) {
    for (auto [name, hop, status] :
         {std::tuple{"MarginExactly12", exactMarginHop(-94.5), S::Ok},
          {"MarginJustBelow12", exactMarginHop(-94.49), S::LowMargin},
          {"MarginExactly0", exactMarginHop(-82.5), S::NegativeMargin},
          {"GrazingJustAbove1", sample(44.5, 43.0), S::Ok},
          {"GrazingJustBelow1", sample(44.5, 42.5), S::LowGrazingAngle},
          {"GrazingJustAbove0_2", sample(30.0, 25.5), S::LowGrazingAngle},
          {"GrazingJustBelow0_2", sample(30.0, 25.0), S::Obstructed},
          {"NoAntennaHeightIsObstructed", sample(0.0, 0.0), S::Obstructed},
          {"Method1NeverLooksAtGrazing", sample(30, 25, Diversity::No, kM1), S::Ok},
          {"ImprovementExactly100", exactImprovement(-102.5, 0.125), S::Ok},
          {"ImprovementJustAbove100", exactImprovement(-102.5, 0.12500001), S::HighImprovement},
          {"LowGrazingOverLowMargin", withMargin(sample(44.5, 42.5), 5), S::LowGrazingAngle},
          {"ObstructedOverLowMargin", withMargin(sample(30, 25), 5), S::Obstructed},
          {"NegativeMarginStopsFirst", withMargin(sample(30, 25), -1), S::NegativeMargin},
          {"HighImprovementOverLowMargin", exactImprovement(-94.49, 1.0), S::HighImprovement},
          {"HighImprovementOverLowGrazing", withMargin(sample(44.5, 42.5, Diversity::Freq), 41),
           S::HighImprovement}}) {
        EXPECT_EQ(calculateHop(hop).status, status) << name;
    }
    HopState at100 = exactImprovement(-102.5, 0.125);
    calculateHop(at100);
    EXPECT_EQ(at100.results.Ifm, 100.0);
    EXPECT_EQ(at100.results.Ism, 100.0);
}

// 7 GHz, channels 0.3 GHz apart, 50 km: the improvement either side of 100.
TEST(CalculateHop, FrequencyDiversityWorkedValues) {
    for (auto [marginDb, ifm] : {std::pair{40.0, 97.96}, {41.0, 123.3}}) {
        HopState hop = sample(70, 55, Diversity::Freq);
        hop.record.frequencyGHz = 7.0;
        hop.record.hopLengthKm = 50.0;
        hop = withMargin(hop, marginDb);
        calculateHop(hop);
        EXPECT_NEAR(hop.results.Ifm, ifm, 0.05);
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

// A stopped calculation leaves the later results as they were; so do the parts a hop skips.
TEST(CalculateHop, ResultsLeftAsTheyWere) {
    const std::string rain = "rainWorstMonthPct rainAnnualPct ";
    EXPECT_EQ(resultsLeftAlone(withMargin(sample(70, 55, Diversity::Space), -3), S::NegativeMargin),
              "cLat cLon K Msm pfm psm pfmd psmd p pd Ifm Ism " + rain);
    EXPECT_EQ(resultsLeftAlone(sample(30, 25, Diversity::Space), S::Obstructed),
              "Msm pfm psm pfmd psmd p pd Ifm Ism " + rain);
    EXPECT_EQ(resultsLeftAlone(sample(), S::Ok), "Msm pfmd psmd pd Ifm Ism " + rain);
    HopState hop = sample(70, 55, Diversity::Space);
    hop.record.selectiveFading = SelectiveFading::No;
    EXPECT_EQ(resultsLeftAlone(hop, S::Ok), "Msm Ism " + rain);

    calculateHop(hop);
    const HopResults& r = hop.results;
    EXPECT_EQ(r.psm, 0.0);
    EXPECT_EQ(r.p, r.pfm);
    EXPECT_EQ(r.psmd, 0.0);
    EXPECT_EQ(r.pd, r.pfmd);
    EXPECT_NEAR(r.Ifm, 12.0604266299, 1e-8);
}

TEST(CalculateHop, MathMessagesReachTheCallerInOrderAndTheCalculationGoesOn) {
    HopState hop = sample(70, 55, Diversity::No, kM1);
    hop.record.frequencyGHz = -7.5;
    const CalculationOutcome outcome = calculateHop(hop);
    const std::vector<GuardMessage> expected{{"Math Error : Negative log10.", "Korvel"},
                                             {"Math error : Negative arithmetic power.", "Error"}};
    EXPECT_EQ(outcome.mathMessages, expected);
    EXPECT_EQ(outcome.status, S::Ok);
    EXPECT_NEAR(hop.results.Lo, 142.04242509439325, 1e-9); // log10 of 7.5
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

} // namespace
} // namespace korvel
