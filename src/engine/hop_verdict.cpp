#include "engine/hop_verdict.h"

#include <cmath>

#include "engine/rain.h"

namespace korvel {

namespace {

constexpr double kObjectiveTolerancePct = 0.00001;

// The smaller root x of flat * x^k + selective * x = target, x = 10^(-dM/10), k = 1 without
// diversity (flat outage only falls) and 2 with (its improvement rises as well).
std::optional<double> marginFactor(double flat, double selective, double target, bool diversity) {
    if (!(flat > 0.0) || !(target > 0.0)) {
        return std::nullopt;
    }
    const double x =
        diversity
            ? (-selective + std::sqrt(selective * selective + 4.0 * flat * target)) / (2.0 * flat)
            : (target - selective) / flat;
    return x > 0.0 ? std::optional<double>(x) : std::nullopt;
}

std::optional<double> rainMarginNeededDb(const HopState& hop, double objectivePct) {
    const HopRecord& r = hop.record;
    const auto depth =
        rainFadeDepthDb(r.frequencyGHz, r.hopLengthKm, r.rainRateMmH, r.polarization, objectivePct);
    if (!depth) {
        return std::nullopt;
    }
    return *depth - hop.results.M;
}

} // namespace

bool meetsObjective(double outagePct, double objectivePct) {
    return outagePct <= objectivePct + kObjectiveTolerancePct;
}

ObjectiveVerdict verdictOf(double outagePct, double objectivePct) {
    return meetsObjective(outagePct, objectivePct) ? ObjectiveVerdict::Met
                                                   : ObjectiveVerdict::Missed;
}

bool hasResults(const HopResults& results) {
    return results.Lo > 0;
}

double countedOutagePct(const HopState& hop) {
    return hop.record.diversityMode == DiversityMode::No ? hop.results.p : hop.results.pd;
}

std::optional<double> multipathMarginNeededDb(const HopState& hop, double targetPct) {
    const HopResults& r = hop.results;
    const bool diversity = hop.record.diversityMode != DiversityMode::No;
    const auto x = diversity ? marginFactor(r.pfmd, r.psmd, targetPct, true)
                             : marginFactor(r.pfm, r.psm, targetPct, false);
    if (!x) {
        return std::nullopt;
    }
    return -10.0 * std::log10(*x);
}

OutageJudgement multipathJudgement(const HopState& hop) {
    OutageJudgement judgement;
    judgement.objectivePct = hop.record.outageObjectivePct;
    if (!hasResults(hop.results)) {
        return judgement;
    }
    judgement.outagePct = countedOutagePct(hop);
    judgement.verdict = verdictOf(*judgement.outagePct, *judgement.objectivePct);
    if (judgement.verdict == ObjectiveVerdict::Missed) {
        judgement.marginNeededDb = multipathMarginNeededDb(hop, *judgement.objectivePct);
        // No margin brings an outage down to an objective of 0: nothing to say of the margin.
        judgement.marginUnreachable = !judgement.marginNeededDb && *judgement.objectivePct > 0.0;
    }
    return judgement;
}

bool rainIsNegligible(double annualPct) {
    // Stored with 15 significant digits at least; anything this close is the limit itself.
    return annualPct >= 0.0 && annualPct <= rainLowerLimitPct() * (1.0 + 1e-9);
}

OutageJudgement rainJudgement(std::optional<double> annualPct,
                              std::optional<double> availabilityObjectivePct) {
    OutageJudgement judgement;
    judgement.kind = OutageKind::Rain;
    judgement.objectivePct = availabilityObjectivePct;
    if (!annualPct) {
        return judgement;
    }
    judgement.outagePct = annualPct;
    judgement.negligible = rainIsNegligible(*annualPct);
    if (availabilityObjectivePct) {
        judgement.verdict = verdictOf(*annualPct, *availabilityObjectivePct);
    }
    return judgement;
}

OutageJudgement rainJudgement(const HopState& hop, std::optional<double> availabilityObjectivePct) {
    const double annual = hop.results.rainAnnualPct;
    if (hop.record.frequencyGHz < kRainMinimumFrequencyGHz || !hasResults(hop.results) ||
        annual < 0.0) {
        return rainJudgement(std::nullopt, availabilityObjectivePct);
    }
    OutageJudgement judgement = rainJudgement(annual, availabilityObjectivePct);
    if (judgement.verdict == ObjectiveVerdict::Missed) {
        judgement.marginNeededDb = rainMarginNeededDb(hop, *availabilityObjectivePct);
    }
    return judgement;
}

std::optional<double> objectiveMarginPct(const OutageJudgement& judgement) {
    if (judgement.verdict == ObjectiveVerdict::None) {
        return std::nullopt;
    }
    return *judgement.objectivePct - *judgement.outagePct;
}

} // namespace korvel
