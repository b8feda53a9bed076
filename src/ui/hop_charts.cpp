#include "ui/hop_charts.h"

#include "series/budget_steps.h"
#include "ui/chart_contents.h"
#include "ui/chart_title_block.h"
#include "ui/methods_outage.h"
#include "ui/methods_table.h"
#include "ui/results_basis.h"
#include "ui/session.h"

namespace korvel {

void refreshHopCharts(Session& session, ResultsFreshness freshness) {
    session.resultsBasis.chartsFreshness = freshness;
    if (session.charts == nullptr) {
        return;
    }
    const bool stale = freshness == ResultsFreshness::Stale;
    ChartContent budget = budgetChart(linkBudgetSteps(session.hop));
    ChartContent outage =
        withMethodTotals(outageChart(session.hop, session.sites.availabilityObjectivePct),
                         hopMethodColumns(session.hop, session.methodSources()));
    for (ChartContent* chart : {&budget, &outage}) {
        session.charts->refreshChart(withTitleBlock(
            stale ? outOfDateChart(std::move(*chart)) : *chart, session.titleBlockSources()));
    }
}

void followEditInHopCharts(Session& session, const HopState& asItStands) {
    const ResultsFreshness freshness = resultsFreshness(session.resultsBasis, asItStands);
    if (freshness != session.resultsBasis.chartsFreshness) {
        refreshHopCharts(session, freshness);
    }
}

} // namespace korvel
