#pragma once
// The open chart windows of the session's hop (the link budget and the outage) follow its
// results: redrawn after a calculation, and out of date, as the results window says it, as soon
// as the hop as it stands on any page would give other results.

#include "engine/hop_record.h"
#include "platform/results_window.h"
#include "ui/chart_title_block.h"
#include "ui/methods_table.h"

namespace korvel {

struct ResultsBasis;

// The hop's chart windows and what they draw from; the hop is the title block's.
struct HopChartsParts {
    ChartWindows* charts; // none: no charts
    ResultsBasis& basis;  // keeps how the charts last showed the results
    MethodSources methods;
    TitleBlockSources titles;
};

// Redraws the open budget and outage charts of the hop; over results out of date (`freshness`
// Stale), their frames without values.
void refreshHopCharts(const HopChartsParts& parts, ResultsFreshness freshness);

// After an edit on a page: the open charts turn out of date when `asItStands` would give other
// results, and back when the edit is undone; nothing is redrawn while their state stays.
void followEditInHopCharts(const HopChartsParts& parts, const HopState& asItStands);

} // namespace korvel
