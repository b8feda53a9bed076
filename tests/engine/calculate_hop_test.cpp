#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_name.h"
#include "engine/calculate_hop.h"
#include "sample_hops.h"

namespace korvel {
namespace {

using testing::exactMarginHop;
using testing::kUntouched;
using testing::markAllResults;
using testing::sample7500MHzHop;
using testing::withDiversity;

// Shifts the transmitter power so that the flat margin comes out at the given value.
HopState withMargin(HopState hop, double marginDb) {
    HopState probe = hop;
    calculateHop(probe);
    hop.record.ptxDbm += marginDb - probe.results.M;
    return hop;
}

HopState withAntennaHeights(HopState hop, double antenna1M, double antenna2M) {
    hop.record.antenna1HeightM = antenna1M;
    hop.record.antenna2HeightM = antenna2M;
    return hop;
}

// ---- Whole calculations of the sample hop, against values worked out independently ----------

struct WholeCase {
    const char* name;
    Method method;
    DiversityMode diversity;
    double spacingM;
    double K, pfm, psm, p, Ifm, pfmd, psmd, pd;
};

class SampleHop : public ::testing::TestWithParam<WholeCase> {};

TEST_P(SampleHop, MatchesIndependentValues) {
    const WholeCase& c = GetParam();
    HopState hop = withDiversity(sample7500MHzHop(), c.diversity);
    hop.record.method = c.method;
    hop.record.antennaSpacingM = c.spacingM;
    const CalculationOutcome outcome = calculateHop(hop);
    EXPECT_EQ(outcome.status, CalcStatus::Ok);
    EXPECT_TRUE(outcome.mathMessages.empty());

    const HopResults& r = hop.results;
    EXPECT_NEAR(r.Lc1, 2.3, 1e-12);
    EXPECT_NEAR(r.Lc2, 2.75, 1e-12);
    EXPECT_NEAR(r.Lo, 142.04242509439325, 1e-9);
    EXPECT_NEAR(r.Lho, 69.292425094393252, 1e-9);
    EXPECT_NEAR(r.Prx, -39.292425094393252, 1e-9);
    EXPECT_NEAR(r.M, 35.707574905606748, 1e-9);
    EXPECT_NEAR(r.cLat, 0.3, 1e-12);
    EXPECT_NEAR(r.cLon, 0.3, 1e-12);
    const auto near = [](double actual, double expected) {
        EXPECT_NEAR(actual, expected, 1e-9 * expected);
    };
    near(r.K, c.K);
    near(r.pfm, c.pfm);
    near(r.psm, c.psm);
    near(r.p, c.p);
    if (c.diversity != DiversityMode::No) {
        near(r.Ifm, c.Ifm);
        near(r.Ism, c.Ifm);
        near(r.pfmd, c.pfmd);
        near(r.psmd, c.psmd);
        near(r.pd, c.pd);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SampleHop,
    ::testing::Values(
        WholeCase{"Method2NoDiversity", Method::Method2, DiversityMode::No, 10.0, 0.000501187233627,
                  0.0414251700365, 0.0431880815586, 0.0846132515951, 0, 0, 0, 0},
        WholeCase{"Method2Space10m", Method::Method2, DiversityMode::Space, 10.0, 0.000501187233627,
                  0.0414251700365, 0.0431880815586, 0.0846132515951, 12.0604266299,
                  0.00343480138041, 0.00358097461094, 0.00701577599134},
        WholeCase{"Method2Space40mUses25m", Method::Method2, DiversityMode::Space, 40.0,
                  0.000501187233627, 0.0414251700365, 0.0431880815586, 0.0846132515951,
                  26.6468920532, 0.00155459668444, 0.00162075492603, 0.00317535161047},
        WholeCase{"Method2Frequency", Method::Method2, DiversityMode::Freq, 10.0, 0.000501187233627,
                  0.0414251700365, 0.0431880815586, 0.0846132515951, 39.6996076039,
                  0.00104346547829, 0.001087871749, 0.00213133722729},
        WholeCase{"Method1NoDiversity", Method::Method1, DiversityMode::No, 10.0, 3.98107170553e-05,
                  0.0171873821956, 0.0179188175544, 0.03510619975, 0, 0, 0, 0},
        WholeCase{"Method1Space10m", Method::Method1, DiversityMode::Space, 10.0, 3.98107170553e-05,
                  0.0171873821956, 0.0179188175544, 0.03510619975, 29.9459698433, 0.000573946420354,
                  0.000598371588835, 0.00117231800919},
        WholeCase{"Method1Frequency", Method::Method1, DiversityMode::Freq, 10.0, 3.98107170553e-05,
                  0.0171873821956, 0.0179188175544, 0.03510619975, 39.6996076039, 0.000432935820603,
                  0.000451360067161, 0.000884295887764}),
    testing::CaseName{});

// ---- Status codes and their precedence ------------------------------------------------------

HopState sampleWithLowMargin() {
    return withMargin(sample7500MHzHop(), 5.0);
}

HopState exactImprovement(double frequencyDifferenceGHz) {
    // M = 20 dB exactly: Ifm = 80 * Fd * 100 / 10 = 800 Fd at 1 GHz over 10 km.
    HopState hop = withDiversity(exactMarginHop(-103.5), DiversityMode::Freq);
    hop.record.frequencyDifferenceGHz = frequencyDifferenceGHz;
    hop.record.selectiveFading = SelectiveFading::User;
    hop.results.Msm = 20.0;
    return hop;
}

struct StatusCase {
    const char* name;
    HopState (*make)();
    CalcStatus expected;
};

class Status : public ::testing::TestWithParam<StatusCase> {};

TEST_P(Status, IsTheLastOneSet) {
    HopState hop = GetParam().make();
    EXPECT_EQ(calculateHop(hop).status, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Status,
    ::testing::Values(
        StatusCase{"MarginExactly12", [] { return exactMarginHop(-95.5); }, CalcStatus::Ok},
        StatusCase{"MarginJustBelow12", [] { return exactMarginHop(-95.49); },
                   CalcStatus::LowMargin},
        StatusCase{"MarginExactly0", [] { return exactMarginHop(-83.5); },
                   CalcStatus::NegativeMargin},
        StatusCase{"MarginNegative", [] { return exactMarginHop(-70.0); },
                   CalcStatus::NegativeMargin},
        StatusCase{"GrazingJustAbove1",
                   [] { return withAntennaHeights(sample7500MHzHop(), 44.5, 43.0); },
                   CalcStatus::Ok},
        StatusCase{"GrazingJustBelow1",
                   [] { return withAntennaHeights(sample7500MHzHop(), 44.5, 42.5); },
                   CalcStatus::LowGrazingAngle},
        StatusCase{"GrazingJustAbove0_2",
                   [] { return withAntennaHeights(sample7500MHzHop(), 30.0, 25.5); },
                   CalcStatus::LowGrazingAngle},
        StatusCase{"GrazingJustBelow0_2",
                   [] { return withAntennaHeights(sample7500MHzHop(), 30.0, 25.0); },
                   CalcStatus::Obstructed},
        StatusCase{"NoAntennaHeightIsObstructed",
                   [] { return withAntennaHeights(sample7500MHzHop(), 0.0, 0.0); },
                   CalcStatus::Obstructed},
        StatusCase{"Method1NeverLooksAtGrazing",
                   [] {
                       HopState hop = withAntennaHeights(sample7500MHzHop(), 30.0, 25.0);
                       hop.record.method = Method::Method1;
                       return hop;
                   },
                   CalcStatus::Ok},
        StatusCase{"LowGrazingReplacesLowMargin",
                   [] { return withAntennaHeights(sampleWithLowMargin(), 44.5, 42.5); },
                   CalcStatus::LowGrazingAngle},
        StatusCase{"ObstructedReplacesLowMargin",
                   [] { return withAntennaHeights(sampleWithLowMargin(), 30.0, 25.0); },
                   CalcStatus::Obstructed},
        StatusCase{"NegativeMarginStopsBeforeTheGrazingAngle",
                   [] { return withMargin(withAntennaHeights(sample7500MHzHop(), 30, 25), -1); },
                   CalcStatus::NegativeMargin},
        StatusCase{"HighImprovementReplacesLowMargin",
                   [] {
                       HopState hop = withDiversity(exactMarginHop(-95.49), DiversityMode::Freq);
                       hop.record.frequencyDifferenceGHz = 1.0; // Ifm about 126
                       return hop;
                   },
                   CalcStatus::HighImprovement},
        StatusCase{"HighImprovementReplacesLowGrazing",
                   [] {
                       HopState hop = withAntennaHeights(
                           withDiversity(sample7500MHzHop(), DiversityMode::Freq), 44.5, 42.5);
                       hop.record.frequencyDifferenceGHz = 1.0; // Ifm about 132
                       return hop;
                   },
                   CalcStatus::HighImprovement},
        StatusCase{"ImprovementExactly100", [] { return exactImprovement(0.125); }, CalcStatus::Ok},
        StatusCase{"ImprovementJustAbove100", [] { return exactImprovement(0.12500001); },
                   CalcStatus::HighImprovement}),
    testing::CaseName{});

TEST(Status, ImprovementExactly100IsStoredAsSuch) {
    HopState hop = exactImprovement(0.125);
    calculateHop(hop);
    EXPECT_EQ(hop.results.Ifm, 100.0);
    EXPECT_EQ(hop.results.Ism, 100.0);
}

struct FrequencyDiversityCase {
    const char* name;
    double marginDb;
    double expectedIfm;
    CalcStatus expectedStatus;
};

class FrequencyDiversity : public ::testing::TestWithParam<FrequencyDiversityCase> {};

// 7 GHz, channels 0.3 GHz apart, 50 km.
TEST_P(FrequencyDiversity, ImprovementAndStatus) {
    const FrequencyDiversityCase& c = GetParam();
    HopState hop = withDiversity(sample7500MHzHop(), DiversityMode::Freq);
    hop.record.frequencyGHz = 7.0;
    hop.record.hopLengthKm = 50.0;
    hop.record.frequencyDifferenceGHz = 0.3;
    hop = withMargin(hop, c.marginDb);
    const CalculationOutcome outcome = calculateHop(hop);
    EXPECT_NEAR(hop.results.Ifm, c.expectedIfm, 0.05);
    EXPECT_EQ(outcome.status, c.expectedStatus);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FrequencyDiversity,
    ::testing::Values(FrequencyDiversityCase{"Margin40", 40.0, 97.96, CalcStatus::Ok},
                      FrequencyDiversityCase{"Margin41", 41.0, 123.3, CalcStatus::HighImprovement}),
    testing::CaseName{});

// ---- What a calculation writes and what it leaves alone -------------------------------------

TEST(StoppedCalculation, NegativeMarginWritesOnlyTheLinkBudget) {
    HopState hop = withMargin(withDiversity(sample7500MHzHop(), DiversityMode::Space), -3.0);
    markAllResults(hop.results);
    ASSERT_EQ(calculateHop(hop).status, CalcStatus::NegativeMargin);
    const HopResults& r = hop.results;
    for (double written : {r.Lc1, r.Lc2, r.Lo, r.Lho, r.Prx, r.M}) {
        EXPECT_NE(written, kUntouched);
    }
    for (double kept : {r.cLat, r.cLon, r.K, r.pfm, r.psm, r.pfmd, r.psmd, r.p, r.pd, r.Ifm, r.Ism,
                        r.rainWorstMonthPct, r.rainAnnualPct}) {
        EXPECT_EQ(kept, kUntouched);
    }
}

TEST(StoppedCalculation, ObstructedPathWritesUpToTheGeoclimaticFactor) {
    HopState hop =
        withAntennaHeights(withDiversity(sample7500MHzHop(), DiversityMode::Space), 30.0, 25.0);
    markAllResults(hop.results);
    ASSERT_EQ(calculateHop(hop).status, CalcStatus::Obstructed);
    const HopResults& r = hop.results;
    for (double written : {r.Lc1, r.Lc2, r.Lo, r.Lho, r.Prx, r.M, r.cLat, r.cLon, r.K}) {
        EXPECT_NE(written, kUntouched);
    }
    for (double kept : {r.pfm, r.psm, r.pfmd, r.psmd, r.p, r.pd, r.Ifm, r.Ism}) {
        EXPECT_EQ(kept, kUntouched);
    }
}

TEST(NoDiversity, LeavesTheDiversityResultsAsTheyWere) {
    HopState hop = sample7500MHzHop();
    markAllResults(hop.results);
    ASSERT_EQ(calculateHop(hop).status, CalcStatus::Ok);
    const HopResults& r = hop.results;
    for (double kept : {r.Ifm, r.Ism, r.pfmd, r.psmd, r.pd}) {
        EXPECT_EQ(kept, kUntouched);
    }
    EXPECT_NE(r.p, kUntouched);
}

TEST(NoSelectiveFading, LeavesIsmAndZeroesTheSelectiveOutages) {
    HopState hop = withDiversity(sample7500MHzHop(), DiversityMode::Space);
    hop.record.selectiveFading = SelectiveFading::No;
    markAllResults(hop.results);
    ASSERT_EQ(calculateHop(hop).status, CalcStatus::Ok);
    const HopResults& r = hop.results;
    EXPECT_EQ(r.Ism, kUntouched);
    EXPECT_EQ(r.psm, 0.0);
    EXPECT_EQ(r.p, r.pfm);
    EXPECT_EQ(r.psmd, 0.0);
    EXPECT_EQ(r.pd, r.pfmd);
    EXPECT_NEAR(r.Ifm, 12.0604266299, 1e-8);
}

TEST(SpaceDiversity, SpacingAbove25MetresIsCapped) {
    HopState at25 = withDiversity(sample7500MHzHop(), DiversityMode::Space);
    at25.record.antennaSpacingM = 25.0;
    HopState at40 = at25;
    at40.record.antennaSpacingM = 40.0;
    calculateHop(at25);
    calculateHop(at40);
    EXPECT_EQ(at40.results.Ifm, at25.results.Ifm);
}

TEST(SpaceDiversity, DiversityAntennaAsLargeAsTheMainOneLosesNothing) {
    HopState smaller = withDiversity(sample7500MHzHop(), DiversityMode::Space);
    HopState equal = smaller;
    equal.record.diversityGainDbi = 40.4; // V = 0 instead of 3.5 dB
    calculateHop(smaller);
    calculateHop(equal);
    EXPECT_NEAR(equal.results.Ifm / smaller.results.Ifm, 2.2387211385683394, 1e-9);
}

// ---- Math guard messages reach the caller ---------------------------------------------------

TEST(MathMessages, CleanHopHasNone) {
    HopState hop = withDiversity(sample7500MHzHop(), DiversityMode::Space);
    EXPECT_TRUE(calculateHop(hop).mathMessages.empty());
}

TEST(MathMessages, NegativeFrequencyIsReportedInOrderAndTheCalculationGoesOn) {
    HopState hop = sample7500MHzHop();
    hop.record.method = Method::Method1;
    hop.record.frequencyGHz = -7.5;
    const CalculationOutcome outcome = calculateHop(hop);
    const std::vector<GuardMessage> expected{{"Math Error : Negative log10.", "Korvel"},
                                             {"Math error : Negative arithmetic power.", "Error"}};
    EXPECT_EQ(outcome.mathMessages, expected);
    EXPECT_EQ(outcome.status, CalcStatus::Ok);
    EXPECT_NEAR(hop.results.Lo, 142.04242509439325, 1e-9); // log10 of 7.5
    EXPECT_GT(hop.results.pfm, 0.0);
}

// ---- Warning texts --------------------------------------------------------------------------

struct TextCase {
    const char* name;
    CalcStatus status;
    const char* text;
};

class StatusTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(StatusTexts, AreTheSystemsOwn) {
    EXPECT_EQ(statusText(GetParam().status), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StatusTexts,
    ::testing::Values(
        TextCase{"Ok", CalcStatus::Ok, ""},
        TextCase{"NegativeMargin", CalcStatus::NegativeMargin, "Negative fading margin."},
        TextCase{"LowMargin", CalcStatus::LowMargin, "Fading margin below 12 dB."},
        TextCase{"HighImprovement", CalcStatus::HighImprovement,
                 "Diversity improvement over 100 ."},
        TextCase{"Obstructed", CalcStatus::Obstructed,
                 "The path is too obstructed and this method does not give reliable results. "
                 "Please revise your planning or use other method."},
        TextCase{"LowGrazingAngle", CalcStatus::LowGrazingAngle,
                 "Grazing angle is below 1 mrad. The path may be too obstructed and the "
                 "calculation results may be unreliable."}),
    testing::CaseName{});

} // namespace
} // namespace korvel
