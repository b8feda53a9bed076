// The judgement under the results: by how much either way, the margin needed, rain against the
// availability objective.

#include <gtest/gtest.h>

#include "engine/calculate_hop.h"
#include "engine/hop_verdict.h"
#include "engine/rain.h"
#include "engine/verdict_words.h"
#include "support/sample_hops.h"

namespace korvel {
namespace {

HopState calculatedHop(double pPct, double pdPct, double objectivePct) {
    HopState hop = test::sample7500MHzHop();
    hop.results.Lo = 140.2;
    hop.results.p = pPct;
    hop.results.pd = pdPct;
    hop.record.outageObjectivePct = objectivePct;
    return hop;
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
        HopState hop = test::sample7500MHzHop();
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
    HopState hop = test::sample7500MHzHop();
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
