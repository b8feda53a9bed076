#include "engine/hop_verdict.h"

#include <cmath>

#include "engine/number_text.h"
#include "engine/rain.h"

namespace korvel {

namespace {

constexpr double kObjectiveTolerancePct = 0.00001;

// One line as the results panel prints its percentages: label, then the value with 5 decimals.
std::string percentLine(const char* label, double value) {
    return formatNumbers("%-28s %8.5f %%", label, value);
}

std::string verdictWords(const HopVerdict& verdict) {
    switch (verdict.verdict) {
    case ObjectiveVerdict::Met:
        return "meets the objective";
    case ObjectiveVerdict::Missed:
        return formatNumbers("misses the objective by %.5f %%",
                             verdict.outagePct - verdict.objectivePct);
    case ObjectiveVerdict::None:
        break;
    }
    return {};
}

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
        judgement.marginUnreachable =
            !judgement.marginNeededDb && *judgement.objectivePct > 0.0;
    }
    return judgement;
}

OutageJudgement rainJudgement(const HopState& hop, std::optional<double> availabilityObjectivePct) {
    OutageJudgement judgement;
    judgement.kind = OutageKind::Rain;
    judgement.objectivePct = availabilityObjectivePct;
    const double annual = hop.results.rainAnnualPct;
    if (hop.record.frequencyGHz < kRainMinimumFrequencyGHz || !hasResults(hop.results) ||
        annual < 0.0) {
        return judgement;
    }
    judgement.outagePct = annual;
    // Stored with 15 significant digits at least; anything this close is the limit itself.
    judgement.negligible = annual <= rainLowerLimitPct() * (1.0 + 1e-9);
    if (!availabilityObjectivePct) {
        return judgement;
    }
    judgement.verdict = verdictOf(annual, *availabilityObjectivePct);
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

HopVerdict hopVerdict(const HopState& hop) {
    HopVerdict verdict;
    const OutageJudgement multipath = multipathJudgement(hop);
    verdict.verdict = multipath.verdict;
    verdict.withDiversity = hop.record.diversityMode != DiversityMode::No;
    verdict.objectivePct = hop.record.outageObjectivePct;
    verdict.outagePct = countedOutagePct(hop);
    if (hop.record.frequencyGHz >= kRainMinimumFrequencyGHz) {
        verdict.rainAnnualPct = hop.results.rainAnnualPct;
    }
    return verdict;
}

std::vector<std::string> verdictLines(const HopVerdict& verdict) {
    if (verdict.verdict == ObjectiveVerdict::None) {
        return {};
    }
    std::vector<std::string> lines{percentLine("Hop outage objective:", verdict.objectivePct),
                                   percentLine(verdict.withDiversity
                                                   ? "Total outage with diversity:"
                                                   : "Total outage w/o diversity:",
                                               verdict.outagePct)};
    if (verdict.rainAnnualPct) {
        lines.push_back(*verdict.rainAnnualPct < 0
                            ? std::string("Rain unavailability: not calculated")
                            : percentLine("Rain unavailability (year):", *verdict.rainAnnualPct));
    }
    lines.push_back(verdictWords(verdict));
    return lines;
}

} // namespace korvel
