// The method columns of one hop as a text table: a row per input (with its source) and per
// figure, then the notes of each column.

#include <algorithm>
#include <cmath>
#include <functional>

#include "engine/number_text.h"
#include "methods_output.h"

namespace korvel::cli {
namespace {

using itu::MethodResult;
using Cell = std::function<std::string(const MethodResult&)>;


std::string percent(double value) {
    return methodPercentText(value);
}

Cell figure(std::optional<double> MethodResult::*field, std::function<std::string(double)> format) {
    return
        [field, format](const MethodResult& m) { return m.*field ? format(*(m.*field)) : kNone; };
}

std::string decibels(double value) {
    return fixedDecimals(value, 2);
}
std::string scientific(double value) {
    return formatNumbers("%.3e", value);
}

Cell input(std::optional<itu::InputValue> itu::MethodInputs::*field) {
    return [field](const MethodResult& m) {
        const std::optional<itu::InputValue>& v = m.inputs.*field;
        return v ? fixedDecimals(v->value, 2) + " " + std::string(v->source) : std::string(kNone);
    };
}

std::string rainOutage(const MethodResult& m) {
    if (!m.rain)
        return kNone;
    if (m.rain->outagePct)
        return percent(*m.rain->outagePct);
    const std::string_view shown = itu::rainBoundShown(m.rain->outageBound);
    return shown.empty() ? std::string(kNone) : std::string(shown);
}

std::string verdict(const MethodResult& m) {
    if (!m.available && !m.missing.empty()) {
        std::string needs = "needs";
        for (std::size_t i = 0; i < m.missing.size(); ++i)
            needs.append(i ? ", " : " ").append(m.missing[i]);
        return needs;
    }
    if (!m.objectiveMet)
        return kNone;
    return *m.objectiveMet ? "meets" : "misses";
}

const std::vector<std::pair<const char*, Cell>>& rows() {
    static const std::vector<std::pair<const char*, Cell>> table{
        {"dN1 (N/km)", input(&itu::MethodInputs::dN1)},
        {"sa (m)", input(&itu::MethodInputs::sa)},
        {"logK", input(&itu::MethodInputs::logK)},
        {"dN75 (N)", input(&itu::MethodInputs::dN75)},
        {"htM (m)", input(&itu::MethodInputs::htM)},
        {"hcM (m)", input(&itu::MethodInputs::hcM)},
        {"R001 (mm/h)", input(&itu::MethodInputs::R001)},
        {"Path loss (dB)", figure(&MethodResult::pathLossDb, decibels)},
        {"Fade margin (dB)", figure(&MethodResult::fadeMarginDb, decibels)},
        {"K", figure(&MethodResult::K, scientific)},
        {"p0 (%)", figure(&MethodResult::p0Pct, percent)},
        {"Worst month (%)", figure(&MethodResult::worstMonthPct, percent)},
        {"Worst month, all fades (%)", figure(&MethodResult::worstMonthAllPct, percent)},
        {"ΔG (dB)", figure(&MethodResult::deltaGDb, decibels)},
        {"Average year (%)", figure(&MethodResult::averageYearPct, percent)},
        {"Rain A0.01 (dB)",
         [](const MethodResult& m) {
             return m.rain && m.rain->A001Db ? decibels(*m.rain->A001Db) : kNone;
         }},
        {"Rain outage, year (%)", rainOutage},
        {"Gas (dB)",
         [](const MethodResult& m) { return m.gas ? decibels(m.gas->attenuationDb) : kNone; }},
        {"Diversity improvement",
         [](const MethodResult& m) {
             return m.diversity ? fixedDecimals(m.diversity->improvement, 1) : kNone;
         }},
        {"Total, worst month (%)", figure(&MethodResult::totalWorstMonthPct, percent)},
        {"Objective", verdict},
    };
    return table;
}

// Display width of UTF-8 text: its code points.
std::size_t width(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void appendPadded(std::string& text, const std::string& cell, std::size_t columnWidth) {
    text += cell;
    text.append(columnWidth - width(cell), ' ');
}

} // namespace

std::string methodPercentText(double value) {
    if (value != 0 && std::fabs(value) < 1e-4)
        return formatNumbers("%.2e", value);
    const int magnitude =
        value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
    return fixedDecimals(value, std::max(0, 2 - magnitude));
}

void appendAligned(std::string& text, const std::vector<std::vector<std::string>>& grid) {
    std::vector<std::size_t> widths;
    for (const auto& row : grid) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], width(row[i]));
    }
    for (const auto& row : grid) {
        std::string line;
        for (std::size_t i = 0; i + 1 < row.size(); ++i)
            appendPadded(line, row[i], widths[i] + 2);
        line += row.back();
        text += line.substr(0, line.find_last_not_of(' ') + 1);
        text += '\n';
    }
}

void appendMethodsTable(std::string& text, const std::vector<const MethodResult*>& columns) {
    std::vector<std::vector<std::string>> grid{{"Method"}};
    for (const MethodResult* m : columns)
        grid[0].emplace_back(itu::methodName(m->method));
    for (const auto& [label, cell] : rows()) {
        grid.push_back({label});
        for (const MethodResult* m : columns)
            grid.back().push_back(cell(*m));
    }
    appendAligned(text, grid);
    for (const MethodResult* m : columns)
        for (std::string_view note : m->notes)
            text.append(itu::methodName(m->method)).append(": ").append(note).append("\n");
}

} // namespace korvel::cli
