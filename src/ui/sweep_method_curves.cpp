#include "ui/sweep_method_curves.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "engine/number_text.h"
#include "series/sweep_methods.h"
#include "ui/methods_table.h"

namespace korvel {

namespace {

constexpr const char* kCurveMethods[] = {"classic", "P.530-17", "P.530-18"};
// Told apart by their strokes, in the legend too.
constexpr ChartStroke kMethodStrokes[] = {ChartStroke::Solid, ChartStroke::Dotted,
                                          ChartStroke::DashDotted};

// What a current method's curve stands for: its total of the worst month, or its rain outage
// over a year when the rain rate is swept (multipath does not change with it).
std::string curveName(std::size_t method, SweepInput input) {
    return (input == SweepInput::RainRate ? "Rain, annual, " : "Total outage, ") +
           std::string(kCurveMethods[method]);
}

// Why a method gives no curve: the maps it lacks, else the first limit it noted.
std::string absenceReason(const itu::MethodResult& m) {
    if (!m.missing.empty()) {
        return missingMapsText({m, m, m});
    }
    return m.notes.empty() ? std::string("outside the method") : std::string(m.notes[0]);
}

// The table's heading of a method's values.
std::string headingOf(std::size_t method, SweepInput input) {
    return (input == SweepInput::RainRate ? "Rain, annual, " : "Total, ") +
           std::string(kCurveMethods[method]) + " (%)";
}

// A value of the table; a rain outage known only by its bound shows the bound ("< 0.001").
std::string cellOf(const itu::MethodResult& m, SweepInput input, std::optional<double> value) {
    if (value) {
        return formatNumbers("%.6g", *value);
    }
    if (input == SweepInput::RainRate && m.rain && m.rain->outageBound != itu::RainBound::None) {
        return std::string(itu::rainBoundShown(m.rain->outageBound));
    }
    return "-";
}

// The classic total keeps its curve and column; their names say which method it is.
void nameClassicTotal(ChartContent& chart) {
    for (ChartCurve& curve : chart.curves) {
        if (curve.role == ChartRole::Total) {
            curve.name += ", classic";
            curve.stroke = kMethodStrokes[0];
        }
    }
    for (std::string& heading : chart.table.columns) {
        if (heading == "Total (%)") {
            heading = headingOf(0, SweepInput::Diameter);
        }
    }
}

} // namespace

ChartContent withSweepMethodCurves(ChartContent chart, SweepInput input,
                                   const std::vector<std::array<itu::MethodResult, 3>>& columns) {
    if (columns.empty() || columns.size() != chart.table.rows.size()) {
        return chart;
    }
    std::vector<double> x;
    for (const ChartCurve& curve : chart.curves) {
        if (curve.role == ChartRole::Total) {
            x = curve.x;
        }
    }
    nameClassicTotal(chart);
    // A point the hop calculates at says best what a method lacks.
    const auto& reasons = *std::find_if(columns.begin(), columns.end() - 1,
                                        [](const auto& point) { return point[0].available; });
    for (std::size_t method = 1; method < 3; ++method) {
        ChartCurve curve{curveName(method, input), ChartRole::Total, x, {}, kMethodStrokes[method]};
        bool drawn = false;
        for (std::size_t point = 0; point < columns.size(); ++point) {
            const std::optional<double> value = methodCurveValue(columns[point][method], input);
            const bool plotted = value && *value > 0.0 && std::isfinite(*value);
            curve.y.push_back(plotted ? *value : std::numeric_limits<double>::quiet_NaN());
            std::vector<std::string>& row = chart.table.rows[point];
            row.insert(row.end() - 1, cellOf(columns[point][method], input, value));
            drawn = drawn || plotted;
        }
        auto& headings = chart.table.columns;
        headings.insert(headings.end() - 1, headingOf(method, input));
        if (drawn) {
            chart.curves.push_back(std::move(curve));
        } else {
            chart.verdict += "\n" + std::string(kCurveMethods[method]) +
                             " not drawn: " + absenceReason(reasons[method]) + ".";
        }
    }
    if (input == SweepInput::RainRate) {
        chart.yTitle = "Time (% of the worst month; a method's rain: % of a year)";
    }
    return chart;
}

} // namespace korvel
