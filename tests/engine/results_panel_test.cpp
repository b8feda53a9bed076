#include <gtest/gtest.h>

#include <string>

#include "case_name.h"
#include "engine/results_panel.h"

namespace korvel {
namespace {

const std::string kBlankLine(41, ' ');

HopState calculatedHop(SelectiveFading selective, DiversityMode diversity) {
    HopState hop;
    hop.record.selectiveFading = selective;
    hop.record.diversityMode = diversity;
    HopResults& r = hop.results;
    r.K = 3.2e-5;
    r.Lo = 142.04242;
    r.Lho = 69.29242;
    r.Prx = -39.29242;
    r.M = 35.70757;
    r.Msm = 35.52658;
    r.pfm = 0.0414251700365;
    r.psm = 0.0431880815586;
    r.p = 0.0846132515951;
    r.Ifm = 12.0604266299;
    r.pfmd = 0.00343480138041;
    r.psmd = 0.00358097461094;
    r.pd = 0.00701577599134;
    return hop;
}

TEST(ResultsPanel, UpperBlockWithSelectiveFading) {
    const HopState hop = calculatedHop(SelectiveFading::Standard, DiversityMode::No);
    EXPECT_EQ(resultsPanelText(hop).upper, "K   :                    3.200e-05      \n"
                                           "Free space loss:             142.0   dB  "
                                           "Non-faded hop loss:           69.3   dB  "
                                           "Unfaded received power:      -39.3   dBm "
                                           "Flat fading margin:           35.7   dB  "
                                           "Selective fading margin:      35.5   dB  "
                                           "Flat outage time:             0.04143 % "
                                           "Selective outage time:        0.04319 % "
                                           "Total outage w/o diversity:   0.08461 % ");
}

TEST(ResultsPanel, UpperBlockKeepsBlankLinesWithoutSelectiveFading) {
    const HopState hop = calculatedHop(SelectiveFading::No, DiversityMode::No);
    EXPECT_EQ(resultsPanelText(hop).upper,
              "K   :                    3.200e-05      \n"
              "Free space loss:             142.0   dB  "
              "Non-faded hop loss:           69.3   dB  "
              "Unfaded received power:      -39.3   dBm "
              "Flat fading margin:           35.7   dB  " +
                  kBlankLine + "Flat outage time:             0.04143 % " + kBlankLine +
                  "Total outage w/o diversity:   0.08461 % ");
}

TEST(ResultsPanel, LowerBlockOnlyWithDiversity) {
    EXPECT_FALSE(resultsPanelText(calculatedHop(SelectiveFading::Standard, DiversityMode::No))
                     .lower.has_value());
    const auto withSelective =
        resultsPanelText(calculatedHop(SelectiveFading::Standard, DiversityMode::Space)).lower;
    ASSERT_TRUE(withSelective.has_value());
    EXPECT_EQ(*withSelective, "With diversity:                          "
                              "Diversity improvement Ifm:    12.1       "
                              "Flat outage with diversity:   0.00343 % "
                              "Sel. outage with diversity:   0.00358 % "
                              "Total outage with diversity:  0.00702 % ");
    const auto withoutSelective =
        resultsPanelText(calculatedHop(SelectiveFading::No, DiversityMode::Freq)).lower;
    ASSERT_TRUE(withoutSelective.has_value());
    EXPECT_EQ(*withoutSelective, "With diversity:                          "
                                 "Diversity improvement Ifm:    12.1       "
                                 "Flat outage with diversity:   0.00343 % " +
                                     kBlankLine + "Total outage with diversity:  0.00702 % ");
}

struct ShownCase {
    const char* name;
    double value;
    const char* shown;
};

class ShownImprovement : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ShownImprovement, IsCappedAbove999_9) {
    HopState hop = calculatedHop(SelectiveFading::No, DiversityMode::Space);
    hop.results.Ifm = GetParam().value;
    const std::string line =
        std::string("Diversity improvement Ifm:   ") + GetParam().shown + "       ";
    EXPECT_NE(resultsPanelText(hop).lower->find(line), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShownImprovement,
                         ::testing::Values(ShownCase{"At999_9", 999.9, "999.9"},
                                           ShownCase{"JustAbove999_9", 999.91, "1000.0"},
                                           ShownCase{"At1500", 1500.0, "1000.0"},
                                           ShownCase{"Huge", 1e300, "1000.0"}),
                         testing::CaseName{});

TEST(ResultsPanel, GeoclimaticFactorMayCarryAThreeDigitExponent) {
    HopState hop = calculatedHop(SelectiveFading::No, DiversityMode::No);
    hop.results.K = 1.5e-100;
    EXPECT_EQ(resultsPanelText(hop).upper.substr(0, 42),
              "K   :                    1.500e-100      \n");
}

// A value far outside the usual range widens its entry instead of being cut.
TEST(ResultsPanel, OversizedValueIsPrintedWhole) {
    HopState hop = calculatedHop(SelectiveFading::No, DiversityMode::No);
    hop.results.Lo = 1e120;
    const std::string upper = resultsPanelText(hop).upper;
    const std::size_t value = upper.find("Free space loss:             99999999999999998");
    ASSERT_NE(value, std::string::npos);
    // 120 digits (the double just below 1e120), the point and one decimal, then the unit and the
    // next entry.
    EXPECT_EQ(upper.substr(value + 29 + 122, 30), "   dB  Non-faded hop loss:    ");
}

} // namespace
} // namespace korvel
