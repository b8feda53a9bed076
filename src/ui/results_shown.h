#pragma once
// What the results window shows of the hop: its results' lines, then the multipath judgement as
// the coloured verdict and the rain judgement under it; over results out of date, no judgement.

#include "engine/hop_verdict.h"
#include "platform/results_window.h"

namespace korvel {

class Session;

VerdictMark verdictMark(ObjectiveVerdict verdict);

// Fills the results window, when it is open, with the session's hop.
void showHopResults(Session& session, ResultsFreshness freshness);

} // namespace korvel
