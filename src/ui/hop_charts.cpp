#include "ui/hop_charts.h"

#include "geo/hop_sites.h"
#include "series/budget_steps.h"
#include "ui/chart_contents.h"
#include "ui/methods_outage.h"
#include "ui/results_basis.h"

namespace korvel {

void refreshHopCharts(const HopChartsParts& parts, ResultsFreshness freshness) {
    parts.basis.chartsFreshness = freshness;
    if (parts.charts == nullptr) {
        return;
    }
    const bool stale = freshness == ResultsFreshness::Stale;
    const HopState& hop = parts.titles.hop;
    ChartContent budget = budgetChart(linkBudgetSteps(hop));
    ChartContent outage =
        withMethodTotals(outageChart(hop, parts.methods.sites.availabilityObjectivePct),
                         hopMethodColumns(hop, parts.methods));
    for (ChartContent* chart : {&budget, &outage}) {
        parts.charts->refreshChart(
            withTitleBlock(stale ? outOfDateChart(std::move(*chart)) : *chart, parts.titles));
    }
}

void followEditInHopCharts(const HopChartsParts& parts, const HopState& asItStands) {
    const ResultsFreshness freshness = resultsFreshness(parts.basis, asItStands);
    if (freshness != parts.basis.chartsFreshness) {
        refreshHopCharts(parts, freshness);
    }
}

} // namespace korvel
