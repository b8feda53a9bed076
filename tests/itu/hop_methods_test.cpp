// The three columns of a calculated hop: the classic budget with the current path loss, the
// inputs and their sources, what is missing, diversity, rain and the verdict.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "engine/calculate_hop.h"
#include "geo/geodesic.h"
#include "itu/diversity_improvement.h"
#include "itu/fade_distribution.h"
#include "itu/free_space.h"
#include "itu/gas_attenuation.h"
#include "itu/hop_methods.h"
#include "itu/method_verdict.h"
#include "support/sample_hops.h"

namespace korvel::itu {
namespace {

constexpr double kSampleHopP0v17 =
    60.70829193598924; // the sample hop's geometry, dN1 = −400, s_a = 20

class HopMethods : public ::testing::Test {
  protected:
    void SetUp() override {
        hop.record.outageObjectivePct = 0.01;
        calculateHop(hop);
        input.hop = &hop;
        input.climate.dN1 = InputValue{-400.0, "N/km", "typed"};
        input.climate.sa = InputValue{20.0, "m", "typed"};
        input.climate.logK = InputValue{-4.2, "", "LogK.csv"};
        input.climate.dN75 = InputValue{20.0, "N", "dN75.csv"};
        input.climate.R001 = InputValue{42.0, "mm/h", "typed"};
    }
    double currentMarginDb() const {
        const double loss =
            freeSpaceLossDb(40.0, 7.5) + standardGasAttenuation(7.5).totalDbPerKm() * 40.0;
        return hop.results.M + hop.results.Lo - loss;
    }
    HopState hop = test::sample7500MHzHop();
    HopMethodsInput input;
};

TEST_F(HopMethods, CurrentColumnsReplaceOnlyThePathLoss) {
    const auto columns = hopMethods(input);
    const MethodResult& classic = columns[0];
    EXPECT_EQ(methodName(classic.method), "classic");
    EXPECT_TRUE(classic.available);
    EXPECT_DOUBLE_EQ(*classic.pathLossDb, hop.results.Lo);
    EXPECT_DOUBLE_EQ(*classic.totalWorstMonthPct, hop.results.p);
    EXPECT_NEAR(*classic.p0Pct * std::pow(10.0, -hop.results.M / 10.0), hop.results.pfm, 1e-15);
    EXPECT_FALSE(classic.gas); // the classic loss adds no gas below 10 GHz

    const MethodResult& v17 = columns[1];
    ASSERT_TRUE(v17.available);
    const double margin = currentMarginDb();
    EXPECT_NEAR(*v17.fadeMarginDb, margin, 1e-12);
    EXPECT_DOUBLE_EQ(v17.gas->attenuationDb, standardGasAttenuation(7.5).totalDbPerKm() * 40.0);
    EXPECT_NEAR(*v17.p0Pct, kSampleHopP0v17, 1e-9);
    const double all = *allFadesWorstMonthPct(kSampleHopP0v17, margin).value;
    EXPECT_DOUBLE_EQ(*v17.worstMonthAllPct, all);
    EXPECT_DOUBLE_EQ(*v17.totalWorstMonthPct, all + hop.results.psm);
    EXPECT_EQ(*v17.objectiveMet, *v17.totalWorstMonthPct <= 0.01);
    EXPECT_DOUBLE_EQ(*v17.deltaGDb, deltaG(56.0, 40.0, 0.75).db); // no sites: the hop's latitude
    EXPECT_EQ(v17.inputs.sa->source, "typed");
    EXPECT_FALSE(v17.diversity);
    ASSERT_TRUE(v17.rain);
    EXPECT_EQ(v17.rain->outageBound, RainBound::BelowLowest); // 7.5 GHz rain against a 40 dB margin
    EXPECT_FALSE(v17.rain->outagePct);

    const MethodResult& v18 = columns[2];
    ASSERT_TRUE(v18.available);
    EXPECT_EQ(v18.inputs.htM->source, "stations");
    EXPECT_DOUBLE_EQ(v18.inputs.htM->value, 102.5);
    EXPECT_NEAR(v18.inputs.hcM->value, 165.0 - 1600.0 / 102.0 - 102.5, 1e-12);
    EXPECT_DOUBLE_EQ(*v18.K, std::pow(10.0, -4.2));
}

TEST_F(HopMethods, NamesWhatIsMissingAndWhereTheTerrainCameFrom) {
    input.climate = {};
    auto columns = hopMethods(input);
    EXPECT_FALSE(columns[1].available);
    EXPECT_EQ(columns[1].missing[0], "dN1");
    EXPECT_EQ(columns[1].missing[1], "R001");
    EXPECT_FALSE(columns[1].K);
    EXPECT_TRUE(columns[1].pathLossDb); // the budget needs no climate
    EXPECT_EQ(columns[2].missing.size(), 3u);

    input.climate.dN1 = InputValue{-400.0, "N/km", "typed"};
    input.climate.R001 = InputValue{42.0, "mm/h", "typed"};
    columns = hopMethods(input);
    EXPECT_TRUE(columns[1].available);
    EXPECT_EQ(columns[1].notes[0], "quick K and p_w: no s_a");

    HopSites sites;
    sites.stations[0] = SitePosition{56.0, 10.0, 110.0};
    sites.stations[1] = SitePosition{56.3, 10.3, 95.0};
    sites.profile = {{0.0, 110.0}, {10.0, 50.0}, {40.0, 95.0}};
    input.sites = &sites;
    input.climate.logK = InputValue{-4.2, "", "typed"};
    input.climate.dN75 = InputValue{20.0, "N", "typed"};
    columns = hopMethods(input);
    EXPECT_EQ(columns[2].inputs.htM->source, "profile");
    EXPECT_DOUBLE_EQ(columns[2].inputs.htM->value, (80.0 * 10 + 72.5 * 30) / 40.0);
    const double midLatitude = geodesicMidpoint({56.0, 10.0}, {56.3, 10.3}).latitudeDeg;
    EXPECT_DOUBLE_EQ(*columns[2].deltaGDb, deltaG(midLatitude, 40.0, 0.75).db);
    input.climate.htM = InputValue{400.0, "m", "typed"};
    columns = hopMethods(input);
    EXPECT_EQ(columns[2].inputs.htM->source, "override");
    EXPECT_LT(columns[2].inputs.hcM->value, 0.0);
    const Notes& notes = columns[2].notes;
    EXPECT_NE(std::find(notes.begin(), notes.end(),
                        "h_c < 0: grazing or obstructed path, p_w may be far too high"),
              notes.end());
}

TEST_F(HopMethods, DiversityDividesTheNonSelectiveOutage) {
    hop.record.diversityMode = DiversityMode::Space;
    calculateHop(hop);
    const auto columns = hopMethods(input);
    EXPECT_DOUBLE_EQ(columns[0].diversity->improvement, hop.results.Ifm);
    const MethodResult& v17 = columns[1];
    Notes notes;
    const double margin = currentMarginDb();
    // V: station 2's 40.4 dBi against the 36.9 dBi diversity antenna.
    const double improvement =
        spaceDiversityImprovement(10.0, 7.5, 40.0, kSampleHopP0v17, margin, 3.5, notes);
    EXPECT_NEAR(v17.diversity->improvement, improvement, 1e-12);
    EXPECT_NEAR(*v17.diversity->worstMonthPct, *v17.worstMonthAllPct / improvement, 1e-18);
    EXPECT_NEAR(*v17.totalWorstMonthPct, *v17.diversity->worstMonthPct + hop.results.psmd, 1e-18);
}

// The chosen column judges; classic says what the hop always said; a column without a total
// gives no verdict rather than the classic one.
TEST_F(HopMethods, TheChosenColumnJudgesTheHop) {
    auto columns = hopMethods(input);
    const OutageJudgement classic = multipathJudgement(hop);
    EXPECT_EQ(methodHopJudgement(hop, VerdictMethod::Classic, columns).outagePct,
              classic.outagePct);
    for (const VerdictMethod method : {VerdictMethod::P530v17, VerdictMethod::P530v18}) {
        const double total = *columns[static_cast<std::size_t>(method)].totalWorstMonthPct;
        for (const auto& [objective, expected] :
             {std::pair{total * 1.01, ObjectiveVerdict::Met},
              std::pair{total * 0.99, ObjectiveVerdict::Missed}}) {
            hop.record.outageObjectivePct = objective;
            const OutageJudgement judged = methodHopJudgement(hop, method, hopMethods(input));
            EXPECT_EQ(judged.verdict, expected);
            EXPECT_DOUBLE_EQ(*judged.outagePct, total);
        }
    }
    input.climate.logK.reset();
    columns = hopMethods(input);
    EXPECT_EQ(methodHopJudgement(hop, VerdictMethod::P530v18, columns).verdict,
              ObjectiveVerdict::None);
}

TEST_F(HopMethods, NothingWithoutAClassicCalculation) {
    HopState fresh;
    input.hop = &fresh;
    for (const MethodResult& column : hopMethods(input)) {
        EXPECT_FALSE(column.available);
        EXPECT_FALSE(column.totalWorstMonthPct);
        EXPECT_EQ(column.notes[0], "no classic results: calculate the hop first");
    }
}

TEST_F(HopMethods, ShortHopKeepsTheBudgetButHasNoMultipathFigure) {
    hop.record.hopLengthKm = 4.0;
    calculateHop(hop);
    const MethodResult v18 = hopMethods(input)[2];
    EXPECT_TRUE(v18.fadeMarginDb);
    EXPECT_FALSE(v18.p0Pct);
    EXPECT_FALSE(v18.totalWorstMonthPct);
    EXPECT_EQ(v18.notes[0], "hop shorter than 5 km");
    EXPECT_TRUE(v18.rain->outageBound == RainBound::BelowLowest || v18.rain->outagePct);
}

} // namespace
} // namespace korvel::itu
