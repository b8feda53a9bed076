// The verdict under the results: met at the objective and below, missed above it by the
// difference, the outage with diversity where the hop has it, rain only from 6 GHz.

#include <gtest/gtest.h>

#include "engine/hop_verdict.h"
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
    EXPECT_EQ(verdictWords(atObjective), "meets the objective");

    const HopVerdict above = hopVerdict(calculatedHop(0.0015, 0, 0.001));
    EXPECT_EQ(above.verdict, ObjectiveVerdict::Missed);
    EXPECT_EQ(verdictWords(above), "misses the objective by 0.00050 %");
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
    EXPECT_EQ(verdictWords(verdict), "");
}

TEST(HopVerdict, EveryLineFitsTheResultsWindowEvenForHugeOutages) {
    HopState hop = calculatedHop(99.99999, 0, 0.00001);
    hop.results.rainAnnualPct = 12.5;
    for (const std::string& line : verdictLines(hopVerdict(hop))) {
        EXPECT_LE(line.size(), 41u) << line;
    }
}

} // namespace
} // namespace korvel
