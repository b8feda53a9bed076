#include "engine/hop_verdict.h"

#include <array>

#include "engine/number_text.h"
#include "engine/rain.h"

namespace korvel {

namespace {

// One line as the results panel prints its percentages: label, then the value with 5 decimals.
std::string percentLine(const char* label, double value) {
    return formatNumbers("%-28s %8.5f %%", label, value);
}

} // namespace

bool hasResults(const HopResults& results) {
    return results.Lo > 0;
}

double countedOutagePct(const HopState& hop) {
    return hop.record.diversityMode == DiversityMode::No ? hop.results.p : hop.results.pd;
}

HopVerdict hopVerdict(const HopState& hop) {
    HopVerdict verdict;
    verdict.withDiversity = hop.record.diversityMode != DiversityMode::No;
    verdict.objectivePct = hop.record.outageObjectivePct;
    verdict.outagePct = countedOutagePct(hop);
    if (hop.record.frequencyGHz >= kRainMinimumFrequencyGHz) {
        verdict.rainAnnualPct = hop.results.rainAnnualPct;
    }
    if (hasResults(hop.results)) {
        verdict.verdict = verdict.outagePct <= verdict.objectivePct ? ObjectiveVerdict::Met
                                                                    : ObjectiveVerdict::Missed;
    }
    return verdict;
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
