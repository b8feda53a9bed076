#pragma once
// The outage chart with the current methods beside the classic parts: a bar for the total
// worst-month outage of each current column that has one.

#include "platform/chart_view.h"
#include "ui/methods_table.h"

namespace korvel {

ChartContent withMethodTotals(ChartContent chart, const MethodColumns3& columns);

} // namespace korvel
