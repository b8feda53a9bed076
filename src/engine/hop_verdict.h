#pragma once
// The one place that judges a hop: whether an outage meets its objective, which outage counts,
// and by how much either way. Multipath outage of the worst month is judged against the hop's
// outage objective; the annual rain unavailability against the availability objective the
// planner may set for the hop. Every page, chart, list, export and command asks here.

#include <optional>

#include "engine/hop_record.h"

namespace korvel {

enum class ObjectiveVerdict { None, Met, Missed };

// An outage (%) within a hundred-thousandth of a percentage point above its objective (%) meets
// it: the resolution of the outages shown, and the combination search's rule.
bool meetsObjective(double outagePct, double objectivePct);
ObjectiveVerdict verdictOf(double outagePct, double objectivePct);

enum class OutageKind { Multipath, Rain };

struct OutageJudgement {
    OutageKind kind = OutageKind::Multipath;
    ObjectiveVerdict verdict = ObjectiveVerdict::None; // None: not calculated, or no objective
    std::optional<double> outagePct;    // % of the worst month (multipath) or of a year (rain)
    std::optional<double> objectivePct; // none: no availability objective
    bool negligible = false;            // rain at the method's lower limit: no figure to show
    // Missed: how much more flat fade margin brings the outage down to the objective, dB; none
    // when no margin can (the selective outage alone is above it) or the rain rate is unknown.
    std::optional<double> marginNeededDb;
    bool marginUnreachable = false; // missed, and the selective outage alone is above the objective
};

// The hop holds the results of a calculation. A hop never calculated (or reset by New) has none:
// every calculation gives a free-space loss above 0 dB.
bool hasResults(const HopResults& results);

// p for a hop without diversity, pd with, %.
double countedOutagePct(const HopState& hop);

// The counted outage against the hop's outage objective.
OutageJudgement multipathJudgement(const HopState& hop);

// The annual rain unavailability against `availabilityObjectivePct` (% of a year): not calculated
// below 6 GHz or without a rain calculation; "negligible" at the method's lower limit.
OutageJudgement rainJudgement(const HopState& hop, std::optional<double> availabilityObjectivePct);

// An annual rain unavailability (%) alone against `availabilityObjectivePct`, as at a point of a
// sweep or over a route: no fade margin to say how much more it needs. None: not calculated.
OutageJudgement rainJudgement(std::optional<double> annualPct,
                              std::optional<double> availabilityObjectivePct);

// Whether an annual rain unavailability (%) is the rain method's lower limit: no figure to show.
bool rainIsNegligible(double annualPct);

// Objective minus outage, %: positive below the objective; none without both.
std::optional<double> objectiveMarginPct(const OutageJudgement& judgement);

// How much more flat fade margin brings the counted outage to `targetPct` (%) by the classic fade
// distribution, dB (negative: margin to spare): the flat outage falls 10 dB a decade, with
// diversity its improvement rises as fast. None when no margin gets there.
std::optional<double> multipathMarginNeededDb(const HopState& hop, double targetPct);

} // namespace korvel
