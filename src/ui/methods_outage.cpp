#include "ui/methods_outage.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/number_text.h"

namespace korvel {

namespace {

constexpr const char* kTotalNames[] = {"", "Total, P.530-17", "Total, P.530-18"};

} // namespace

ChartContent withMethodTotals(ChartContent chart, const MethodColumns3& columns) {
    double floor = chart.bars.empty() ? 1e-6 : chart.bars.front().low;
    for (std::size_t c = 1; c < columns.size(); ++c) {
        const auto& total = columns[c].totalWorstMonthPct;
        if (!total || !(*total > 0.0) || !std::isfinite(*total)) {
            continue;
        }
        // The bars start a decade below the smallest of them.
        floor = std::min(floor, std::pow(10.0, std::floor(std::log10(*total)) - 1.0));
        const int category = static_cast<int>(chart.categories.size());
        chart.categories.emplace_back(kTotalNames[c]);
        const std::string shown = formatNumbers("%.6g", *total);
        chart.bars.push_back({category, floor, *total, ChartRole::Total, shown});
        chart.table.rows.push_back({kTotalNames[c], shown});
    }
    for (ChartBar& bar : chart.bars) {
        bar.low = floor;
    }
    return chart;
}

} // namespace korvel
