#pragma once
// Whether a calculated hop meets its outage objective, and the lines that say so under the
// results panel. The outage that counts is the one the route sums: without diversity for a hop
// of mode No, with diversity otherwise. Rain unavailability (annual) is shown beside it from
// 6 GHz, but it is not part of the verdict, as it is not part of the route outage.

#include <optional>
#include <string>
#include <vector>

#include "engine/hop_record.h"

namespace korvel {

enum class ObjectiveVerdict { None, Met, Missed };

struct HopVerdict {
    ObjectiveVerdict verdict = ObjectiveVerdict::None; // None: the hop holds no results
    bool withDiversity = false;
    double objectivePct = 0; // the hop's outage objective, %
    double outagePct = 0;    // the outage that counts, % of the worst month
    // From 6 GHz: the annual rain unavailability, % (negative: not calculated). Below: none.
    std::optional<double> rainAnnualPct;
};

// The hop holds the results of a calculation. A hop never calculated (or reset by New) has none:
// every calculation gives a free-space loss above 0 dB.
bool hasResults(const HopResults& results);

// p for a hop without diversity, pd with, %.
double countedOutagePct(const HopState& hop);

// Met when the counted outage is not above the hop's objective.
HopVerdict hopVerdict(const HopState& hop);

// "meets the objective", "misses the objective by N %" (N: counted outage minus objective, in
// % of time as the lines above it), or empty for no verdict.
std::string verdictWords(const HopVerdict& verdict);

// The lines shown under the results panel (Windows-1252, at most 41 characters each): the
// objective, the counted outage, the rain unavailability from 6 GHz, then the verdict in words.
// No lines without a verdict.
std::vector<std::string> verdictLines(const HopVerdict& verdict);

} // namespace korvel
