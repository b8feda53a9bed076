#pragma once
// What the results window shows of the hop: its results' lines, then the multipath judgement as
// the coloured verdict and the rain judgement under it; over results out of date, no judgement.

#include "engine/hop_verdict.h"
#include "platform/results_window.h"
#include "ui/methods_table.h"

namespace korvel {

struct EquipmentLibrary;
struct ResultsBasis;

VerdictMark verdictMark(ObjectiveVerdict verdict);

// The hop's results where they show: the results window and the methods table beside it.
struct ResultsDisplay {
    const HopState& hop;
    ResultsBasis& basis;      // what the hop's results were calculated from
    ResultsWindow* window;    // none: results are not shown
    MethodsView* methodsView; // none: the table is not shown
    MethodSources methods;
};

// Fills the results window, when it is open, with the hop.
void showHopResults(const ResultsDisplay& shown, ResultsFreshness freshness);

// After an edit on a page that stores its values only when it leaves: the open results turn out
// of date at once when `asItStands` would give others, and back when the edit is undone.
void showResultsFreshness(const ResultsDisplay& shown, const HopState& asItStands);

// After a page opened: a hop just read shows the results its file keeps, marked stored, or out
// of date when the hop and the library now give others; results open before the page came
// (closed meanwhile, so that the page takes its room first) open again beside or below it.
void showResultsWithPage(const ResultsDisplay& shown, bool wereOpen);

// The table and the verdict under the results again, after the judging column, the climate maps
// or the typed climate values changed (nothing for a hop without results).
void refreshMethodsAndVerdict(const ResultsDisplay& shown);

// Before the hop is written, printed or exported: results that do not belong to the hop as it
// stands are calculated again without a word when the hop passes the pages' checks, and are
// cleared when it does not or the calculation stops. An open results window shows what is kept.
// `hop` is the one `shown` shows.
void bringResultsUpToDate(HopState& hop, const EquipmentLibrary& library,
                          const ResultsDisplay& shown);

} // namespace korvel
