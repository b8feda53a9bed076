#pragma once
// A judgement of the hop in words, the same on every page, chart, export and command
// (Windows-1252): "meets, 0.0010 % below the objective (×0.75)", "misses by 0.0205 % (×5.1),
// 7.1 dB more fade margin needed", "not judged (no availability objective)", with times beside
// the percentages.

#include <string>
#include <string_view>
#include <vector>

#include "engine/hop_verdict.h"

namespace korvel {

// A percentage with 4 decimals, more for a small one so that two digits show: "0.0010", "0.000012".
std::string percentWords(double pct);

// The time a percentage stands for: "78 s" of a 30-day worst month (multipath), "53 min" of a
// year (rain).
std::string timeWords(OutageKind kind, double pct);

// The verdict in one word: "meets", "misses", or empty without a verdict.
std::string_view verdictWord(ObjectiveVerdict verdict);

// "meets, ...", "misses by ...", "not judged (no availability objective)", "not calculated" or,
// for rain at the method's lower limit, "negligible".
std::string judgementWords(const OutageJudgement& judgement);

// One line: "Multipath outage 0.0030 % of the worst month (78 s), objective 0.0040 % (104 s):
// meets, ..." or "Rain unavailability 0.0100 % of a year (53 min): not judged (...)".
std::string judgementLine(const OutageJudgement& judgement);

// The multipath line, then from 6 GHz the rain line.
std::vector<std::string> hopJudgementLines(const HopState& hop,
                                           std::optional<double> availabilityObjectivePct);

} // namespace korvel
