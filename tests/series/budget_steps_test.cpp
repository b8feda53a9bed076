// The budget steps against the engine's own link budget, stopped calculations included.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "series/budget_steps.h"
#include "support/sample_hops.h"

namespace korvel {
namespace {

std::vector<std::string> keysOf(const LinkBudget& budget) {
    std::vector<std::string> keys;
    for (const auto& step : budget.steps) {
        keys.emplace_back(step.key);
    }
    return keys;
}

const BudgetStep& step(const LinkBudget& budget, std::string_view key) {
    for (const auto& s : budget.steps) {
        if (s.key == key) {
            return s;
        }
    }
    throw std::out_of_range(std::string(key));
}

TEST(BudgetSteps, FollowTheSignalAndAgreeWithTheEngine) {
    HopState hop = test::sample7500MHzHop();
    hop.record.addTerrainLossDb = 1.5;
    hop.record.thresholdDegradationDb = 2.0;
    const LinkBudget budget = linkBudgetSteps(hop);
    HopState calculated = hop;
    ASSERT_EQ(calculateHop(calculated).status, budget.status);
    const HopResults& out = calculated.results;

    EXPECT_EQ(keysOf(budget), (std::vector<std::string>{
                                  "ptx", "branchingLoss", "feeder1Loss", "antenna1Gain", "pathLoss",
                                  "terrainLoss", "antenna2Gain", "feeder2Loss", "prx", "prxth",
                                  "thresholdDegradation", "flatMargin", "selectiveMargin"}));
    EXPECT_EQ(step(budget, "feeder1Loss").valueDb, out.Lc1);
    EXPECT_EQ(step(budget, "feeder2Loss").valueDb, out.Lc2);
    EXPECT_EQ(step(budget, "pathLoss").valueDb, out.Lo);
    EXPECT_EQ(step(budget, "prx").levelDbm, out.Prx);
    EXPECT_EQ(step(budget, "flatMargin").valueDb, out.M);
    EXPECT_EQ(step(budget, "selectiveMargin").valueDb, out.Msm);
    // The chain of levels lands on the received power, and the flat margin on the threshold
    // raised by its degradation.
    EXPECT_NEAR(step(budget, "feeder2Loss").levelDbm, out.Prx, 1e-9);
    EXPECT_NEAR(step(budget, "thresholdDegradation").levelDbm, -73.0, 1e-12);
    EXPECT_NEAR(step(budget, "flatMargin").levelDbm, -73.0, 1e-9);
    EXPECT_EQ(budgetStepKindName(step(budget, "antenna2Gain").kind), "gain");
}

TEST(BudgetSteps, AreCompleteWhenTheCalculationStopsAndLeaveOutAnAbsentSelectiveMargin) {
    HopState hop = test::sample7500MHzHop();
    hop.record.selectiveFading = SelectiveFading::No;
    hop.record.ptxDbm = -60.0;
    const LinkBudget budget = linkBudgetSteps(hop);
    EXPECT_EQ(budget.status, CalcStatus::NegativeMargin);
    ASSERT_EQ(budget.steps.back().key, "flatMargin");
    EXPECT_LT(budget.steps.back().valueDb, 0.0);
    EXPECT_EQ(budget.steps.front().levelDbm, -60.0);
}

} // namespace
} // namespace korvel
