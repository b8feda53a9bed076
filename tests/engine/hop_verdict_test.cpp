// The verdict under the results: met at the objective and below, missed above it by the
// difference, the outage with diversity where the hop has it, rain only from 6 GHz.

#include <gtest/gtest.h>

#include "engine/calculate_hop.h"
#include "engine/hop_verdict.h"
#include "engine/rain.h"
#include "engine/verdict_words.h"
#include "support/sample_hops.h"

namespace korvel {
namespace {

HopState calculatedHop(double pPct, double pdPct, double objectivePct) {
    HopState hop = testing::sample7500MHzHop();
    hop.results.Lo = 140.2;
    hop.results.p = pPct;
    hop.results.pd = pdPct;
    hop.record.outageObjectivePct = objectivePct;
    return hop;
}

TEST(HopVerdict, MetUpToTheObjectiveAndMissedAboveItByTheDifference) {
    const HopVerdict atObjective = hopVerdict(calculatedHop(0.001, 0, 0.001));
    EXPECT_EQ(atObjective.verdict, ObjectiveVerdict::Met);

    const HopVerdict above = hopVerdict(calculatedHop(0.0015, 0, 0.001));
    EXPECT_EQ(above.verdict, ObjectiveVerdict::Missed);
    EXPECT_EQ(verdictLines(above),
              (std::vector<std::string>{"Hop outage objective:         0.00100 %",
                                        "Total outage w/o diversity:   0.00150 %",
                                        "Rain unavailability: not calculated",
                                        "misses the objective by 0.00050 %"}));
}

TEST(HopVerdict, DiversityHopCountsItsOutageWithDiversity) {
    HopState hop = calculatedHop(0.01, 0.0004, 0.001);
    hop.record.diversityMode = DiversityMode::Space;
    const HopVerdict verdict = hopVerdict(hop);
    EXPECT_EQ(verdict.verdict, ObjectiveVerdict::Met);
    EXPECT_EQ(verdictLines(verdict)[1], "Total outage with diversity:  0.00040 %");
}

TEST(HopVerdict, RainLineFromSixGigahertzOnly) {
    HopState hop = calculatedHop(0.001, 0, 0.002);
    hop.results.rainAnnualPct = 0.00031;
    hop.record.frequencyGHz = 6.0;
    EXPECT_EQ(verdictLines(hopVerdict(hop))[2], "Rain unavailability (year):   0.00031 %");
    hop.record.frequencyGHz = 5.9;
    const std::vector<std::string> below = verdictLines(hopVerdict(hop));
    ASSERT_EQ(below.size(), 3u);
    EXPECT_EQ(below[2], "meets the objective");
}

TEST(HopVerdict, NoVerdictNorLinesWithoutResults) {
    HopState hop = calculatedHop(0, 0, 0.001);
    hop.results.Lo = 0;
    const HopVerdict verdict = hopVerdict(hop);
    EXPECT_EQ(verdict.verdict, ObjectiveVerdict::None);
    EXPECT_TRUE(verdictLines(verdict).empty());
}

TEST(HopVerdict, EveryLineFitsTheResultsWindowEvenForHugeOutages) {
    HopState hop = calculatedHop(99.99999, 0, 0.00001);
    hop.results.rainAnnualPct = 12.5;
    for (const std::string& line : verdictLines(hopVerdict(hop))) {
        EXPECT_LE(line.size(), 41u) << line;
    }
}

TEST(HopJudgement, SaysByHowMuchBothWaysWithTimesBeside) {
    HopState hop = calculatedHop(0.003, 0, 0.004);
    EXPECT_EQ(judgementLine(multipathJudgement(hop)),
              "Multipath outage 0.0030 % of the worst month (78 s), objective 0.0040 % (104 s): "
              "meets, 0.0010 % below the objective (\xD7"
              "0.75)");
    hop = calculatedHop(0.005, 0, 0.0008);
    hop.results.pfm = 0.004;
    hop.results.psm = 0.001;
    hop.record.outageObjectivePct = 0.0008; // below the selective outage: no flat margin helps
    EXPECT_EQ(judgementWords(multipathJudgement(hop)),
              "misses by 0.0042 % (\xD7"
              "6.3), the selective outage alone is above the objective");
}

// The margin needed, taken from the flat margin the budget gives, brings the recalculated outage
// to the objective, with diversity as without.
TEST(HopJudgement, MarginNeededReachesTheObjectiveWhenRecalculated) {
    for (const DiversityMode mode :
         {DiversityMode::No, DiversityMode::Space, DiversityMode::Freq}) {
        HopState hop = testing::sample7500MHzHop();
        hop.record.diversityMode = mode;
        calculateHop(hop);
        const double flat = mode == DiversityMode::No ? hop.results.pfm : hop.results.pfmd;
        const double objective = countedOutagePct(hop) - 0.8 * flat;
        const auto needed = multipathMarginNeededDb(hop, objective);
        ASSERT_TRUE(needed) << static_cast<int>(mode);
        hop.record.prxthDbm -= *needed;
        calculateHop(hop);
        EXPECT_NEAR(countedOutagePct(hop) / objective, 1.0, 1e-9) << static_cast<int>(mode);
    }
}

TEST(HopJudgement, RainAgainstTheAvailabilityObjectiveOrNotJudged) {
    HopState hop = testing::sample7500MHzHop();
    hop.record.frequencyGHz = 18.0;
    hop.record.rainRateMmH = 42.0;
    calculateHop(hop);
    const auto annual = [&hop](double marginDb) {
        return rainOutage(18.0, 40.0, marginDb, 42.0, hop.record.polarization).annualPct;
    };
    hop.results.rainAnnualPct = annual(hop.results.M);
    EXPECT_EQ(judgementWords(rainJudgement(hop, std::nullopt)),
              "not judged (no availability objective)");
    const double objective = hop.results.rainAnnualPct / 3.0;
    const OutageJudgement missed = rainJudgement(hop, objective);
    ASSERT_EQ(missed.verdict, ObjectiveVerdict::Missed);
    // The margin needed makes the rain method give the objective.
    EXPECT_NEAR(annual(hop.results.M + *missed.marginNeededDb) / objective, 1.0, 1e-9);

    hop.results.rainAnnualPct = rainLowerLimitPct();
    EXPECT_EQ(judgementLine(rainJudgement(hop, 0.01)),
              "Rain unavailability, objective 0.0100 % (53 min): negligible");
    hop.record.frequencyGHz = 5.9;
    EXPECT_EQ(hopJudgementLines(hop, 0.01).size(), 1u) << "no rain line below 6 GHz";
}

} // namespace
} // namespace korvel
