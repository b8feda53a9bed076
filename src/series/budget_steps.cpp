#include "series/budget_steps.h"

#include <cmath>

namespace korvel {

namespace {

// The diversity antenna takes antenna 2's place at the receiving end; the second frequency's path
// is longer in wavelengths.
void addDiversityBranch(LinkBudget& budget, const HopRecord& r, const HopResults& out) {
    if (r.diversityMode == DiversityMode::Space) {
        const double level = out.Prx - r.antenna2GainDbi + r.diversityGainDbi;
        budget.steps.push_back({"diversityAntennaGain", "Diversity antenna gain",
                                BudgetStepKind::Gain, r.diversityGainDbi, level});
        budget.steps.push_back(
            {"diversityPrx", "Prx, diversity antenna", BudgetStepKind::Level, level, level});
    } else if (r.diversityMode == DiversityMode::Freq && r.frequencyGHz > 0.0 &&
               r.frequencyGHz + r.frequencyDifferenceGHz > 0.0) {
        const double extraDb =
            20.0 * std::log10((r.frequencyGHz + r.frequencyDifferenceGHz) / r.frequencyGHz);
        budget.steps.push_back({"diversityPrx", "Prx, second frequency", BudgetStepKind::Level,
                                out.Prx - extraDb, out.Prx - extraDb});
    }
}

} // namespace

LinkBudget linkBudgetSteps(const HopState& hop) {
    HopState calculated = hop;
    LinkBudget budget;
    budget.status = calculateHop(calculated).status;
    const HopRecord& r = calculated.record;
    const HopResults& out = calculated.results;

    double level = r.ptxDbm;
    auto add = [&budget, &level](std::string_view key, std::string_view label, BudgetStepKind kind,
                                 double valueDb) {
        if (kind == BudgetStepKind::Loss) {
            level -= valueDb;
        } else if (kind == BudgetStepKind::Gain || kind == BudgetStepKind::Degradation) {
            level += valueDb;
        } else {
            level = valueDb;
        }
        budget.steps.push_back({key, label, kind, valueDb, level});
    };
    add("ptx", "Transmitter power", BudgetStepKind::Level, r.ptxDbm);
    add("branchingLoss", "Branching loss", BudgetStepKind::Loss, r.branchingLossDb);
    add("feeder1Loss", "Feeder 1 loss", BudgetStepKind::Loss, out.Lc1);
    add("antenna1Gain", "Antenna 1 gain", BudgetStepKind::Gain, r.antenna1GainDbi);
    add("pathLoss", "Path loss", BudgetStepKind::Loss, out.Lo);
    add("terrainLoss", "Additional terrain loss", BudgetStepKind::Loss, r.addTerrainLossDb);
    add("antenna2Gain", "Antenna 2 gain", BudgetStepKind::Gain, r.antenna2GainDbi);
    add("feeder2Loss", "Feeder 2 loss", BudgetStepKind::Loss, out.Lc2);
    add("prx", "Received power", BudgetStepKind::Level, out.Prx);
    add("prxth", "Receiver threshold", BudgetStepKind::Level, r.prxthDbm);
    add("thresholdDegradation", "Threshold degradation", BudgetStepKind::Degradation,
        r.thresholdDegradationDb);
    budget.steps.push_back(
        {"flatMargin", "Flat fading margin", BudgetStepKind::Margin, out.M, out.Prx - out.M});
    if (r.selectiveFading != SelectiveFading::No) {
        budget.steps.push_back({"selectiveMargin", "Selective fading margin",
                                BudgetStepKind::Margin, out.Msm, out.Prx - out.Msm});
    }
    addDiversityBranch(budget, r, out);
    return budget;
}

std::string_view budgetStepUnit(const BudgetStep& step) {
    if (step.kind == BudgetStepKind::Level) {
        return "dBm";
    }
    const bool antenna = step.key == "antenna1Gain" || step.key == "antenna2Gain" ||
                         step.key == "diversityAntennaGain";
    return antenna ? "dBi" : "dB";
}

bool isDiversityStep(const BudgetStep& step) {
    return step.key.starts_with("diversity");
}

std::string_view budgetStepKindName(BudgetStepKind kind) {
    switch (kind) {
    case BudgetStepKind::Level:
        return "level";
    case BudgetStepKind::Loss:
        return "loss";
    case BudgetStepKind::Gain:
        return "gain";
    case BudgetStepKind::Degradation:
        return "degradation";
    case BudgetStepKind::Margin:
        return "margin";
    }
    return {};
}

} // namespace korvel
