#pragma once
// The program's charts as ChartContents: the link budget waterfall, the outage against the
// objective, a sweep, and the route's bars. Each carries the same numbers as a table.

#include <optional>

#include "engine/hop_record.h"
#include "platform/chart_view.h"
#include "series/budget_steps.h"
#include "series/route_bars.h"
#include "series/sweep.h"

namespace korvel {

// Floating bars from Ptx down the chain to Prx, then the threshold and the margins down to it.
ChartContent budgetChart(const LinkBudget& budget);

// The flat, selective and total outage (with diversity where the hop has it) and the rain
// unavailability where it was calculated, on a logarithmic scale against the objective (and the
// availability objective when the planner set one), judged in the words of every page. `hop`
// holds the results of its last calculation.
ChartContent outageChart(const HopState& hop, std::optional<double> availabilityObjectivePct);

// A chart over results that are out of date: its frame and what it is, without a value.
ChartContent outOfDateChart(ChartContent chart);

// The curves of a sweep on a logarithmic outage axis, the objective as a line and the hop's own
// value marked; with an availability objective, the annual rain judged against it on its own axis.
ChartContent sweepChart(const Sweep& sweep, std::optional<double> availabilityObjectivePct);

// One bar per hop with its share marked, the hops that miss in words, the route total last.
ChartContent routeChartContent(const RouteChart& route);

} // namespace korvel
