#include "ui/chart_contents.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

#include "engine/hop_verdict.h"
#include "engine/verdict_words.h"
#include "optimize/combination_search.h"
#include "platform/results_window.h"
#include "ui/chart_values.h"

namespace korvel {

namespace {

using chart_values::kNotANumber;
using chart_values::logFloor;
using chart_values::number;
using chart_values::onLogAxis;
using chart_values::percent;

std::string decibels(double value) {
    return number(value, "%.1f");
}

// A loss or gain as the waterfall labels it; nothing lost or gained shows no sign.
std::string signedDb(char sign, double valueDb) {
    return valueDb == 0.0 ? decibels(0.0) : sign + decibels(valueDb);
}

// What the budget chart's axis can hold under each bar; the table gives the full names.
std::string shortLabel(std::string_view key) {
    static constexpr std::pair<std::string_view, std::string_view> kShort[] = {
        {"ptx", "Ptx"},
        {"branchingLoss", "Branch."},
        {"feeder1Loss", "Feed. 1"},
        {"antenna1Gain", "Ant. 1"},
        {"pathLoss", "Path"},
        {"terrainLoss", "Terrain"},
        {"antenna2Gain", "Ant. 2"},
        {"feeder2Loss", "Feed. 2"},
        {"prx", "Prx"},
        {"prxth", "Thresh."},
        {"thresholdDegradation", "Degr."},
        {"flatMargin", "M flat"},
        {"selectiveMargin", "M sel."},
        {"diversityAntennaGain", "Div. ant."},
        {"diversityPrx", "Prx div."},
    };
    for (const auto& [name, label] : kShort) {
        if (name == key) {
            return std::string(label);
        }
    }
    return std::string(key);
}

// The bar of one step of the main chain: a level from the floor, a loss or gain from the level
// before it, the flat margin from the threshold up to the received power. The selective margin is
// no distance between two levels of the chain: its words stand in its column, without a bar.
ChartBar budgetBar(const BudgetStep& step, int category, double before, double floorDbm) {
    switch (step.kind) {
    case BudgetStepKind::Level:
        return {category, floorDbm, step.levelDbm, ChartRole::Level, decibels(step.levelDbm)};
    case BudgetStepKind::Loss:
        return {category, step.levelDbm, before, ChartRole::Loss, signedDb('-', step.valueDb)};
    case BudgetStepKind::Gain:
    case BudgetStepKind::Degradation:
        return {category, before, step.levelDbm,
                step.kind == BudgetStepKind::Gain ? ChartRole::Gain : ChartRole::Loss,
                signedDb('+', step.valueDb)};
    case BudgetStepKind::Margin:
        break;
    }
    if (step.key == "selectiveMargin") {
        const double besideDbm = step.levelDbm + step.valueDb / 2.0;
        return {category, besideDbm, besideDbm, ChartRole::Margin,
                "sel. " + decibels(step.valueDb) + " dB"};
    }
    return {category, step.levelDbm, step.levelDbm + step.valueDb, ChartRole::Margin,
            decibels(step.valueDb) + " dB"};
}

// The diversity branch beside the chain: the diversity antenna's gain from the power without
// antenna 2's, and the power it receives (or the second frequency's) from the floor.
ChartBar diversityBar(const BudgetStep& step, int category, double floorDbm) {
    if (step.kind == BudgetStepKind::Gain) {
        return {category, step.levelDbm - step.valueDb, step.levelDbm, ChartRole::Diversity,
                signedDb('+', step.valueDb)};
    }
    return {category, floorDbm, step.levelDbm, ChartRole::Diversity, decibels(step.levelDbm)};
}

// Ten decibels below the lowest level, on a round ten: bars of levels start there.
double budgetFloor(const LinkBudget& budget) {
    double lowest = 0.0;
    for (const BudgetStep& step : budget.steps) {
        if (std::isfinite(step.levelDbm)) {
            lowest = std::min(lowest, step.levelDbm);
        }
    }
    return std::floor(lowest / 10.0) * 10.0 - 10.0;
}

} // namespace

ChartContent budgetChart(const LinkBudget& budget) {
    ChartContent chart;
    chart.name = "budget";
    chart.title = "Link budget";
    chart.xTitle = "Budget step";
    chart.yTitle = "Level (dBm)";
    chart.table.columns = {"Step", "Value", "Unit", "Level after (dBm)"};
    const double floorDbm = budgetFloor(budget);
    double level = 0.0;
    double thresholdDbm = kNotANumber;
    for (const BudgetStep& step : budget.steps) {
        const int category = static_cast<int>(chart.categories.size());
        chart.categories.push_back(shortLabel(step.key));
        chart.bars.push_back(isDiversityStep(step) ? diversityBar(step, category, floorDbm)
                                                   : budgetBar(step, category, level, floorDbm));
        if (!isDiversityStep(step)) {
            level = step.levelDbm;
        }
        if (step.kind == BudgetStepKind::Degradation) {
            thresholdDbm = step.levelDbm;
        }
        chart.table.rows.push_back({std::string(step.label), decibels(step.valueDb),
                                    std::string(budgetStepUnit(step)), decibels(step.levelDbm)});
    }
    chart.marks.push_back({"Floor " + number(floorDbm, "%.0f") + " dBm", ChartRole::Floor, false,
                           floorDbm, kNotANumber, kNotANumber});
    if (std::isfinite(thresholdDbm)) {
        chart.marks.push_back({"Threshold " + decibels(thresholdDbm) + " dBm", ChartRole::Threshold,
                               false, thresholdDbm, kNotANumber, kNotANumber});
    }
    if (!producedResults(budget.status)) {
        chart.verdict = std::string(statusText(budget.status));
    }
    return chart;
}

namespace {

// An outage as the results dock writes it.
std::string dockPercent(double value) {
    return number(value, "%.5f");
}

struct OutagePart {
    const char* name;
    double value;
    ChartRole role;
};

// The parts of the multipath outage of the worst month, the total last.
std::vector<OutagePart> multipathParts(const HopState& hop) {
    const HopRecord& r = hop.record;
    const HopResults& out = hop.results;
    const bool diversity = r.diversityMode != DiversityMode::No;
    std::vector<OutagePart> parts{{"Flat outage", diversity ? out.pfmd : out.pfm, ChartRole::Flat}};
    if (r.selectiveFading != SelectiveFading::No) {
        parts.push_back({"Selective outage", diversity ? out.psmd : out.psm, ChartRole::Selective});
    }
    parts.push_back({"Total outage", countedOutagePct(hop), ChartRole::Total});
    if (out.rainWorstMonthPct >= 0.0) {
        parts.push_back({"Rain, worst month", out.rainWorstMonthPct, ChartRole::Rain});
    }
    return parts;
}

// The annual rain unavailability on the right axis against the availability objective, or
// "negligible" where the method gives only its lower limit.
void addAnnualRain(ChartContent& chart, const HopState& hop, std::optional<double> objectivePct,
                   double floor) {
    const OutageJudgement rain = rainJudgement(hop, objectivePct);
    if (!rain.outagePct) {
        return;
    }
    const int category = static_cast<int>(chart.categories.size());
    chart.categories.emplace_back("Rain, annual");
    chart.rightYTitle = "Rain unavailability (% of a year)";
    const std::string shown = rain.negligible ? "negligible" : dockPercent(*rain.outagePct);
    if (rain.negligible) {
        chart.bars.push_back({category, floor, floor, ChartRole::Rain, shown, true});
    } else if (onLogAxis(*rain.outagePct) == *rain.outagePct) {
        chart.bars.push_back({category, floor, *rain.outagePct, ChartRole::Rain, shown, true});
    }
    chart.table.rows.push_back({"Rain, annual", shown});
    if (objectivePct) {
        chart.marks.push_back({"Availability objective", ChartRole::Threshold, false, *objectivePct,
                               category - 0.45, category + 0.45, true});
        chart.table.rows.push_back({"Availability objective", dockPercent(*objectivePct)});
    }
}

} // namespace

ChartContent outageChart(const HopState& hop, std::optional<double> availabilityObjectivePct) {
    const HopRecord& r = hop.record;
    const bool diversity = r.diversityMode != DiversityMode::No;
    const std::vector<OutagePart> parts = multipathParts(hop);
    ChartContent chart;
    chart.name = "outage";
    chart.title = "Outage against the objective";
    chart.xTitle = diversity ? "Part of the outage (with diversity)" : "Part of the outage";
    chart.yTitle = "Time (% of the worst month)";
    chart.logY = true;
    chart.yCeiling = 100.0;
    chart.table.columns = {"Part", "Time (%)"};
    std::vector<double> values{r.outageObjectivePct, hop.results.rainAnnualPct};
    for (const OutagePart& part : parts) {
        values.push_back(part.value);
    }
    if (availabilityObjectivePct) {
        values.push_back(*availabilityObjectivePct);
    }
    const double floor = logFloor(values);
    const bool rainNegligible = rainJudgement(hop, availabilityObjectivePct).negligible;
    for (const OutagePart& part : parts) {
        const int category = static_cast<int>(chart.categories.size());
        chart.categories.emplace_back(part.name);
        const bool negligible = part.role == ChartRole::Rain && rainNegligible;
        const std::string shown = negligible ? "negligible" : dockPercent(part.value);
        if (negligible) {
            chart.bars.push_back({category, floor, floor, part.role, shown});
        } else if (onLogAxis(part.value) == part.value) {
            chart.bars.push_back({category, floor, part.value, part.role, shown});
        }
        chart.table.rows.push_back({part.name, shown});
    }
    // Over the multipath parts alone: rain in the worst month is judged by no objective.
    const auto multipath = std::ranges::count_if(
        parts, [](const OutagePart& part) { return part.role != ChartRole::Rain; });
    chart.marks.push_back({"Objective", ChartRole::Objective, false, r.outageObjectivePct, -0.45,
                           static_cast<double>(multipath) - 0.55});
    chart.table.rows.push_back({"Objective", dockPercent(r.outageObjectivePct)});
    addAnnualRain(chart, hop, availabilityObjectivePct, floor);
    std::string verdict;
    for (const std::string& line : hopJudgementLines(hop, availabilityObjectivePct)) {
        verdict += (verdict.empty() ? "" : "\n") + line;
    }
    chart.verdict = verdict;
    return chart;
}

ChartContent outOfDateChart(ChartContent chart) {
    chart.bars.clear();
    chart.curves.clear();
    chart.table.rows.clear();
    chart.table.makeRows = nullptr;
    chart.verdict = std::string(kResultsOutOfDateText);
    return chart;
}

namespace {

// A hop's bar: its outage against its share; a stale value hatched; nothing for a hop never
// calculated but its word.
void addRouteBar(ChartContent& chart, const RouteBar& bar, int category) {
    const std::string word(routeHopStatusWords(bar.status));
    switch (bar.status) {
    case RouteHopStatus::NotCalculated:
        chart.bars.push_back({category, 0.0, 0.0, ChartRole::Misses, word});
        return;
    case RouteHopStatus::OutOfDate:
        chart.bars.push_back({category, 0.0, bar.outagePct, ChartRole::Stale,
                              "out of date " + percent(bar.outagePct)});
        return;
    case RouteHopStatus::MeetsShare:
    case RouteHopStatus::MissesShare:
        break;
    }
    const bool meets = bar.status == RouteHopStatus::MeetsShare;
    chart.bars.push_back(
        {category, 0.0, bar.outagePct, meets ? ChartRole::Meets : ChartRole::Misses, word});
    // A share of a year is no share of the worst month: the rain stands on its own axis.
    if (bar.rainAnnualPct > 0.0) {
        chart.rightYTitle = "Rain unavailability (% of a year)";
        chart.marks.push_back({"Rain, annual", ChartRole::Rain, false, bar.rainAnnualPct,
                               category - 0.35, category + 0.35, true});
    }
}

// The route's rain as a column of its own on the rain axis, against the route's availability
// objective when it has one; its word as the route total's, "negligible" at the method's limit.
void addRouteRain(ChartContent& chart, const RouteChart& route) {
    const OutageJudgement& rain = route.rain;
    if (!rain.outagePct) {
        return;
    }
    const int category = static_cast<int>(chart.categories.size());
    chart.categories.emplace_back("Route rain");
    chart.rightYTitle = "Rain unavailability (% of a year)";
    const std::string word = rain.negligible     ? "negligible"
                             : !route.complete   ? "incomplete"
                             : rain.objectivePct ? std::string(verdictWord(rain.verdict))
                                                 : "not judged";
    ChartRole role = route.complete ? ChartRole::Rain : ChartRole::Stale;
    if (route.complete && rain.verdict != ObjectiveVerdict::None) {
        role = rain.verdict == ObjectiveVerdict::Met ? ChartRole::Meets : ChartRole::Misses;
    }
    const double high = rain.negligible ? 0.0 : *rain.outagePct;
    chart.bars.push_back({category, 0.0, high, role, word, true});
    if (rain.objectivePct) {
        chart.marks.push_back({"Availability objective", ChartRole::Threshold, false,
                               *rain.objectivePct, category - 0.4, category + 0.4, true});
    }
    chart.table.rows.push_back({"Route", "rain", "-",
                                rain.negligible ? "negligible" : percent(*rain.outagePct),
                                rain.objectivePct ? percent(*rain.objectivePct) : "-", word});
    chart.verdict += "\n" + route.rainWords + ".";
}

} // namespace

ChartContent routeChartContent(const RouteChart& route) {
    ChartContent chart;
    chart.name = "route";
    chart.title = "Route outage by hop";
    chart.xTitle = "Hop";
    chart.yTitle = "Time (%)";
    chart.table.columns = {"Hop",       "Stations",         "Outage (%)", "Rain, annual (%)",
                           "Share (%)", "Against the share"};
    for (const RouteBar& bar : route.bars) {
        const int category = static_cast<int>(chart.categories.size());
        chart.categories.push_back(std::to_string(bar.hop) + " " + bar.stations);
        addRouteBar(chart, bar, category);
        chart.marks.push_back({"Share of the objective", ChartRole::Objective, false, bar.sharePct,
                               category - 0.4, category + 0.4});
        const bool calculated = bar.status != RouteHopStatus::NotCalculated;
        chart.table.rows.push_back(
            {std::to_string(bar.hop), bar.stations, calculated ? percent(bar.outagePct) : "-",
             bar.rainAnnualPct >= 0.0 ? percent(bar.rainAnnualPct) : "-", percent(bar.sharePct),
             std::string(routeHopStatusWords(bar.status))});
    }
    const int last = static_cast<int>(chart.categories.size());
    chart.categories.emplace_back("Route total");
    // The total of a route with a hop missing or stale is drawn hatched: it judges nothing.
    const std::string word = !route.complete ? "incomplete" : route.meets ? "meets" : "misses";
    const ChartRole role = !route.complete ? ChartRole::Stale
                           : route.meets   ? ChartRole::Meets
                                           : ChartRole::Misses;
    chart.bars.push_back({last, 0.0, route.totalPct, role, word});
    chart.marks.push_back({"Route objective", ChartRole::Objective, false, route.objectivePct,
                           last - 0.4, last + 0.4});
    chart.table.rows.push_back(
        {"Route", "total", percent(route.totalPct), "-", percent(route.objectivePct), word});
    chart.verdict = "Route outage " + percentWords(route.totalPct) + " %, objective " +
                    percentWords(route.objectivePct) + " %: " + route.verdict + ".";
    addRouteRain(chart, route);
    return chart;
}

} // namespace korvel
