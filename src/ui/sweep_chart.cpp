#include "ui/chart_contents.h"

#include <cctype>
#include <cmath>

#include "engine/hop_verdict.h"
#include "engine/verdict_words.h"
#include "ui/chart_values.h"

namespace korvel {

using chart_values::kNotANumber;
using chart_values::logFloor;
using chart_values::number;
using chart_values::onLogAxis;
using chart_values::percent;

namespace {

// Each run of points where the calculation stops for one reason, as a band reaching halfway to
// the points on either side.
std::vector<ChartBand> stoppedBands(const Sweep& sweep) {
    std::vector<ChartBand> bands;
    const std::vector<SweepPoint>& points = sweep.points;
    const auto edge = [&](std::size_t inside, std::size_t outside) {
        return outside < points.size() ? (points[inside].value + points[outside].value) / 2.0
                                       : points[inside].value;
    };
    for (std::size_t first = 0; first < points.size();) {
        if (points[first].outcome == PointOutcome::Results) {
            ++first;
            continue;
        }
        const std::string reason = stopReason(points[first]);
        std::size_t last = first;
        while (last + 1 < points.size() && points[last + 1].outcome != PointOutcome::Results &&
               stopReason(points[last + 1]) == reason) {
            ++last;
        }
        bands.push_back({edge(first, first - 1), edge(last, last + 1), ChartRole::Stopped,
                         "Calculation stops: " + reason});
        first = last + 1;
    }
    return bands;
}

// A row of the sweep's table: the value, then its outages, or dashes and why it stops.
std::vector<std::string> sweepRow(const SweepPoint& point, bool hasRain) {
    std::vector<std::string> row{number(point.value, "%.6g")};
    if (point.outcome != PointOutcome::Results) {
        row.insert(row.end(), hasRain ? 5 : 3, "-");
        row.emplace_back(stopReason(point));
        return row;
    }
    row.insert(row.end(),
               {percent(point.outagePct), percent(point.flatPct), percent(point.selectivePct)});
    if (hasRain) {
        const bool negligible = rainIsNegligible(point.rain.annualPct);
        row.insert(row.end(), {negligible ? "negligible" : percent(point.rain.annualPct),
                               negligible ? "negligible" : percent(point.rain.worstMonthPct)});
    }
    row.emplace_back("done");
    return row;
}

// The hop as it is, as a point of its own, and the verdict above the sweep.
void addOwnPoint(ChartContent& chart, const Sweep& sweep, const std::string& unit) {
    const SweepPoint& own = sweep.own;
    std::string ownWords = "the calculation stops: " + stopReason(own);
    if (own.outcome == PointOutcome::Results) {
        chart.curves.push_back({"The hop as it is",
                                ChartRole::Current,
                                {sweep.currentValue},
                                {onLogAxis(own.outagePct)}});
        ownWords = "total outage " + percentWords(own.outagePct) + " %, " +
                   std::string(verdictWord(verdictOf(own.outagePct, sweep.objectivePct)));
    }
    chart.verdict = "Objective " + percent(sweep.objectivePct) + " %; the hop as it is (" +
                    number(sweep.currentValue, "%g") + " " + unit + "): " + ownWords + ".";
}

// Against the availability objective: the annual rain on its own axis with the objective's
// line, "negligible" over each run of points where the rain method gives only its lower limit,
// and the rain of the hop as it is judged under the multipath verdict. Without an objective, or
// without rain, nothing.
void addAvailabilityObjective(ChartContent& chart, const Sweep& sweep,
                              std::optional<double> availabilityObjectivePct) {
    if (!sweep.hasRain || !availabilityObjectivePct) {
        return;
    }
    const double objectivePct = *availabilityObjectivePct;
    std::vector<double> rains{objectivePct};
    for (const SweepPoint& point : sweep.points) {
        if (!rainIsNegligible(point.rain.annualPct)) {
            rains.push_back(point.rain.annualPct);
        }
    }
    // Half a decade above the axis' foot, clear of its ticks.
    const double wordsAt = logFloor(rains) * std::sqrt(10.0);
    chart.marks.push_back({"Availability objective", ChartRole::Threshold, false, objectivePct,
                           kNotANumber, kNotANumber, true});
    const std::vector<SweepPoint>& points = sweep.points;
    const auto negligible = [&](std::size_t i) {
        return points[i].outcome == PointOutcome::Results &&
               rainIsNegligible(points[i].rain.annualPct);
    };
    for (std::size_t first = 0; first < points.size(); ++first) {
        if (!negligible(first)) {
            continue;
        }
        std::size_t last = first;
        while (last + 1 < points.size() && negligible(last + 1)) {
            ++last;
        }
        chart.labels.push_back({"Rain negligible", ChartRole::Rain,
                                (points[first].value + points[last].value) / 2.0, wordsAt, true});
        first = last;
    }
    if (sweep.own.outcome == PointOutcome::Results && sweep.own.rain.annualPct >= 0.0) {
        chart.verdict +=
            "\n" + judgementLine(rainJudgement(sweep.own.rain.annualPct, objectivePct)) + ".";
    }
}

} // namespace

ChartContent sweepChart(const Sweep& sweep, std::optional<double> availabilityObjectivePct) {
    const std::string unit(sweepInputUnit(sweep.input));
    ChartContent chart;
    chart.name = "sweep";
    chart.title = "Sweep of the " + [&] {
        std::string label(sweepInputLabel(sweep.input));
        label[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(label[0])));
        return label;
    }();
    chart.xTitle = std::string(sweepInputLabel(sweep.input)) + " (" + unit + ")";
    chart.yTitle = "Time (% of the worst month)";
    chart.logY = true;
    chart.yCeiling = 100.0; // the formulas run past 100 % on a long hop
    ChartCurve total{"Total outage", ChartRole::Total, {}, {}};
    ChartCurve flat{"Flat outage", ChartRole::Flat, {}, {}};
    ChartCurve selective{"Selective outage", ChartRole::Selective, {}, {}};
    // A year's rain on its own axis: the outage axis holds the worst month.
    ChartCurve rain{"Rain, annual", ChartRole::Rain, {}, {}, ChartStroke::ByRole, true};
    bool anySelective = false;
    chart.table.columns = {chart.xTitle, "Total (%)", "Flat (%)", "Selective (%)"};
    if (sweep.hasRain) {
        chart.table.columns.insert(chart.table.columns.end(),
                                   {"Rain, annual (%)", "Rain, worst month (%)"});
    }
    chart.table.columns.emplace_back("Calculation");
    for (const SweepPoint& point : sweep.points) {
        const bool numbers = point.outcome == PointOutcome::Results;
        for (ChartCurve* curve : {&total, &flat, &selective, &rain}) {
            curve->x.push_back(point.value);
        }
        total.y.push_back(numbers ? onLogAxis(point.outagePct) : kNotANumber);
        flat.y.push_back(numbers ? onLogAxis(point.flatPct) : kNotANumber);
        selective.y.push_back(numbers ? onLogAxis(point.selectivePct) : kNotANumber);
        // At the method's lower limit there is no figure to draw.
        const bool rainShown = numbers && !rainIsNegligible(point.rain.annualPct);
        rain.y.push_back(rainShown ? onLogAxis(point.rain.annualPct) : kNotANumber);
        anySelective = anySelective || (numbers && point.selectivePct > 0.0);
        chart.table.rows.push_back(sweepRow(point, sweep.hasRain));
    }
    // Without a selective part the flat outage is the total: one curve says it. The total is
    // drawn last, over its parts.
    if (anySelective) {
        chart.curves.push_back(std::move(flat));
        chart.curves.push_back(std::move(selective));
    }
    if (sweep.hasRain) {
        chart.rightYTitle = "Rain unavailability (% of a year)";
        chart.curves.push_back(std::move(rain));
    }
    chart.curves.push_back(std::move(total));
    chart.marks.push_back(
        {"Objective", ChartRole::Objective, false, sweep.objectivePct, kNotANumber, kNotANumber});
    chart.marks.push_back({"The hop's value", ChartRole::Current, true, sweep.currentValue,
                           kNotANumber, kNotANumber});
    chart.bands = stoppedBands(sweep);
    addOwnPoint(chart, sweep, unit);
    addAvailabilityObjective(chart, sweep, availabilityObjectivePct);
    return chart;
}

} // namespace korvel
