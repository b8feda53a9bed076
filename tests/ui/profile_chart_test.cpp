// The profile drawing's plan: what is filled, bent, labelled and told apart, without a window.

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "ui/profile_chart.h"
#include "ui/profile_rule_table.h"

namespace korvel {
namespace {

const ChartCurve* curveNamed(const ChartContent& chart, const std::string& name) {
    const auto found = std::find_if(chart.curves.begin(), chart.curves.end(),
                                    [&](const ChartCurve& curve) { return curve.name == name; });
    return found == chart.curves.end() ? nullptr : &*found;
}

// 10 km over ground at 100 m, 20 m of trees from 2 to 3 km and a 150 m hill midway; antennas of
// 30 and 40 m cannot see over the hill, the diversity antenna stands 10 m below antenna 2.
class ProfilePlan : public ::testing::Test {
  protected:
    TerrainProfile profile{{0.0, 100.0},
                           {2.0, 100.0, 20.0, true},
                           {3.0, 100.0, 20.0, true},
                           {4.0, 100.0, 0.0, true},
                           {5.0, 150.0},
                           {10.0, 100.0}};
    StudiedHop hop{{100.0, 100.0}, {30.0, 40.0}, 7.5, 10.0};
    std::vector<ClearanceRule> rules{{1.0, 4.0 / 3.0}, {0.3, 0.7}};
    ClearanceRule lower{0.6, 4.0 / 3.0};
    ProfileStudy study = studyProfile(profile, hop, 4.0 / 3.0, rules, std::nullopt, lower);
    ProfileChartInput input{"Hilltop", "Harbour", 4.0 / 3.0, hop, rules, std::nullopt};
};

TEST_F(ProfilePlan, FillsTheTerrainAndTheClutterOnlyWhereThereIsSome) {
    const ChartContent chart = profileChart(study, input);
    ASSERT_EQ(chart.areas.size(), 2u);
    EXPECT_EQ(chart.areas[0].role, ChartRole::Terrain);
    EXPECT_DOUBLE_EQ(chart.areas[0].high[4] - chart.areas[0].low[4], 150.0) << "down to the earth";
    const ChartArea& clutter = chart.areas[1];
    const auto covered = std::count_if(clutter.high.begin(), clutter.high.end(),
                                       [](double y) { return std::isfinite(y); });
    EXPECT_EQ(covered, 2) << "2 and 3 km; 4 km has a clutter height of 0";
    EXPECT_DOUBLE_EQ(clutter.high[1] - clutter.low[1], 20.0);
}

TEST_F(ProfilePlan, BendsTheLineForTheOtherRuleAndTellsTheZonesApart) {
    const ChartContent chart = profileChart(study, input);
    const ChartCurve* bent = curveNamed(chart, "Line of sight, k = 0.70");
    ASSERT_NE(bent, nullptr);
    EXPECT_EQ(bent->role, ChartRole::SightOtherK);
    // Midway the earth bulges 1.47 m for 4/3 and 2.80 m for 0.7: the bent line is 1.33 m lower.
    EXPECT_NEAR(bent->y[4] - study.analysis.samples[4].lineOfSightM, -1.3305, 1e-3);
    ASSERT_NE(curveNamed(chart, "0.30 F1 at k = 0.70"), nullptr);
    EXPECT_EQ(curveNamed(chart, "1.00 F1 at k = 1.33"), nullptr) << "the F1 zone is that rule";
    EXPECT_EQ(curveNamed(chart, "F1 zone")->role, ChartRole::Fresnel);
    EXPECT_EQ(curveNamed(chart, "0.6 F1")->role, ChartRole::FresnelShare);
    EXPECT_NE(curveNamed(chart, "Diversity antenna, k = 1.33"), nullptr);
    EXPECT_NE(curveNamed(chart, "0.60 F1 at k = 1.33"), nullptr);
}

TEST_F(ProfilePlan, LabelsTheMastsAndTheObstructionWhereTheLineIsCut) {
    const ChartContent chart = profileChart(study, input);
    const ChartCurve* masts = curveNamed(chart, "Masts");
    ASSERT_NE(masts, nullptr);
    EXPECT_EQ(masts->y.front(), 100.0);
    EXPECT_EQ(masts->y.back(), 140.0);
    std::vector<std::string> texts;
    for (const ChartLabel& label : chart.labels) {
        texts.push_back(label.text);
    }
    EXPECT_EQ(texts,
              (std::vector<std::string>{"30.0 m", "40.0 m", "Diversity 30.0 m", "OBSTRUCTED"}));
    EXPECT_EQ(chart.labels.back().x, 5.0);
    EXPECT_NE(chart.verdict.find("OBSTRUCTED at 5.000 km"), std::string::npos) << chart.verdict;
}

TEST_F(ProfilePlan, TheRuleTableGivesEachRuleItsWorstPoint) {
    const std::vector<ProfileRuleRow> rows = profileRuleRows(study, hop, rules);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].rule, "Rule 1: 1.00 F1 at k = 1.333");
    EXPECT_EQ(rows[0].required, "1.00 F1");
    EXPECT_EQ(rows[0].achieved.substr(rows[0].achieved.find(" at ")), " at 5.000 km");
    EXPECT_FALSE(rows[0].met);
    EXPECT_EQ(rows[2].rule, "Diversity antenna: 0.60 F1 at k = 1.333");
}

TEST(PathEndsText, GivesTheAzimuthOnlyWhereTheSitesAreKnown) {
    PathEnds ends{12.5, {PathEnd{45.0, -0.12}, PathEnd{std::nullopt, 0.05}}};
    EXPECT_EQ(pathEndsText(ends, "A", "B"),
              "A: azimuth 45.00\xB0, elevation -0.12\xB0; B: elevation 0.05\xB0; distance "
              "12.500 km.");
}

} // namespace
} // namespace korvel
