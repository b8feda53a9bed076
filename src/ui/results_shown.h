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

// After an edit on a page that stores its values only when it leaves: the open results turn out
// of date at once when `asItStands` would give others, and back when the edit is undone.
void showResultsFreshness(Session& session, const HopState& asItStands);

// After a page opened: a hop just read shows the results its file keeps, marked stored, or out
// of date when the hop and the library now give others; results open before the page came
// (closed meanwhile, so that the page takes its room first) open again beside or below it.
void showResultsWithPage(Session& session, bool wereOpen);

} // namespace korvel
