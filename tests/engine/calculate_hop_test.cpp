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
// 112.5 dB, so the margin is exactly -82.5 dBm - threshold. With channels Fd apart, frequency
// diversity gives Ifm = 8 Fd 10^(M/10), which is 800 Fd at M = 20 dB.
HopState exactHop(double prxthDbm, double frequencyDifferenceGHz = 0.0) {
    HopState hop;
    HopRecord& r = hop.record;
    r.frequencyGHz = 1.0;
    r.hopLengthKm = 10.0;
    r.ptxDbm = 30.0;
    r.prxthDbm = prxthDbm;
    r.pLPct = 1.0;
    r.method = kM1;
    r.diversityMode = frequencyDifferenceGHz > 0 ? Diversity::Freq : Diversity::No;
    r.frequencyDifferenceGHz = frequencyDifferenceGHz;
    r.selectiveFading = SelectiveFading::User;
    hop.results.Msm = 20.0;
    return hop;
}

// Compares results with values worked out independently, to nine significant digits.
void expectClose(const std::vector<double>& actual, const std::vector<double>& expected) {
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1e-9 * std::abs(expected[i])) << "value " << i;
    }
}

// The sample hop in each method and diversity mode. K, pfm, psm and p depend on the method only;
// Ifm, pfmd, psmd and pd stay 0 without diversity.
TEST(CalculateHop, SampleHopMatchesIndependentValues) {
    const std::vector<double> m2{0.000501187233627, 0.0414251700365, 0.0431880815586,
                                 0.0846132515951};
    const std::vector<double> m1{3.98107170553e-05, 0.0171873821956, 0.0179188175544,
                                 0.03510619975};
    using enum DiversityMode;
    // Method, diversity, antenna spacing (40 m is taken as 25 m), Ifm, pfmd, psmd, pd.
    const std::tuple<Method, Diversity, double, std::vector<double>> cases[] = {
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
         {std::tuple{"MarginExactly12", exactHop(-94.5), S::Ok},
          {"MarginJustBelow12", exactHop(-94.49), S::LowMargin},
          {"MarginExactly0", exactHop(-82.5), S::NegativeMargin},
          {"GrazingJustAbove1", sample(44.5, 43.0), S::Ok},
          {"GrazingJustBelow1", sample(44.5, 42.5), S::LowGrazingAngle},
          {"GrazingJustAbove0_2", sample(30.0, 25.5), S::LowGrazingAngle},
          {"GrazingJustBelow0_2", sample(30.0, 25.0), S::Obstructed},
          {"NoAntennaHeightIsObstructed", sample(0.0, 0.0), S::Obstructed},
          {"Method1NeverLooksAtGrazing", sample(30, 25, Diversity::No, kM1), S::Ok},
          {"ImprovementExactly100", exactHop(-102.5, 0.125), S::Ok},
          {"ImprovementJustAbove100", exactHop(-102.5, 0.12500001), S::HighImprovement},
          {"LowGrazingOverLowMargin", withMargin(sample(44.5, 42.5), 5), S::LowGrazingAngle},
          {"ObstructedOverLowMargin", withMargin(sample(30, 25), 5), S::Obstructed},
          {"NegativeMarginStopsFirst", withMargin(sample(30, 25), -1), S::NegativeMargin},
          {"HighImprovementOverLowMargin", exactHop(-94.49, 1.0), S::HighImprovement},
          {"HighImprovementOverLowGrazing", withMargin(sample(44.5, 42.5, Diversity::Freq), 41),
           S::HighImprovement}}) {
        EXPECT_EQ(calculateHop(hop).status, status) << name;
    }
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

    calculateHop(hop); // no selective outages
    const HopResults& r = hop.results;
    expectClose({r.psm, r.p, r.psmd, r.pd, r.Ifm}, {0.0, r.pfm, 0.0, r.pfmd, 12.0604266299});
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
