#include "report/methods_rows.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/number_text.h"

namespace korvel {
namespace {

using itu::MethodResult;
using Cell = std::function<std::string(const MethodResult&)>;

Cell figure(std::optional<double> MethodResult::*field, std::string (*format)(double)) {
    return [field, format](const MethodResult& m) {
        return m.*field ? format(*(m.*field)) : std::string(kNoFigure);
    };
}

std::string decibels(double value) {
    return fixedDecimals(value, 2);
}
std::string scientific(double value) {
    return formatNumbers("%.3e", value);
}

MethodsRow input(std::string_view label, MethodInputField field) {
    return {label, field, [field](const MethodResult& m) {
                const std::optional<itu::InputValue>& v = m.inputs.*field;
                return v ? fixedDecimals(v->value, 2) : std::string(kNoFigure);
            }};
}

std::string rainOutage(const MethodResult& m) {
    if (!m.rain) {
        return std::string(kNoFigure);
    }
    if (m.rain->outagePct) {
        return methodPercentText(*m.rain->outagePct);
    }
    const std::string_view shown = itu::rainBoundShown(m.rain->outageBound);
    return std::string(shown.empty() ? kNoFigure : shown);
}

std::string verdict(const MethodResult& m) {
    if (!m.available && !m.missing.empty()) {
        std::string needs = "needs";
        for (std::size_t i = 0; i < m.missing.size(); ++i) {
            needs.append(i ? ", " : " ").append(m.missing[i]);
        }
        return needs;
    }
    if (!m.objectiveMet) {
        return std::string(kNoFigure);
    }
    return *m.objectiveMet ? "meets" : "misses";
}

std::vector<MethodsRow> makeRows() {
    using In = itu::MethodInputs;
    return {
        input("dN1 (N/km)", &In::dN1),
        input("sa (m)", &In::sa),
        input("logK", &In::logK),
        input("dN75 (N)", &In::dN75),
        input("htM (m)", &In::htM),
        input("hcM (m)", &In::hcM),
        input("R001 (mm/h)", &In::R001),
        {"Path loss (dB)", nullptr, figure(&MethodResult::pathLossDb, decibels)},
        {"Fade margin (dB)", nullptr, figure(&MethodResult::fadeMarginDb, decibels)},
        {"K", nullptr, figure(&MethodResult::K, scientific)},
        {"p0 (%)", nullptr, figure(&MethodResult::p0Pct, methodPercentText)},
        {"Worst month (%)", nullptr, figure(&MethodResult::worstMonthPct, methodPercentText)},
        {"Worst month, all fades (%)", nullptr,
         figure(&MethodResult::worstMonthAllPct, methodPercentText)},
        {"ΔG (dB)", nullptr, figure(&MethodResult::deltaGDb, decibels)},
        {"Average year (%)", nullptr, figure(&MethodResult::averageYearPct, methodPercentText)},
        {"Rain A0.01 (dB)", nullptr,
         [](const MethodResult& m) {
             return m.rain && m.rain->A001Db ? decibels(*m.rain->A001Db) : std::string(kNoFigure);
         }},
        {"Rain outage, year (%)", nullptr, rainOutage},
        {"Gas (dB)", nullptr,
         [](const MethodResult& m) {
             return m.gas ? decibels(m.gas->attenuationDb) : std::string(kNoFigure);
         }},
        {"Diversity improvement", nullptr,
         [](const MethodResult& m) {
             return m.diversity ? fixedDecimals(m.diversity->improvement, 1)
                                : std::string(kNoFigure);
         }},
        {"Total, worst month (%)", nullptr,
         figure(&MethodResult::totalWorstMonthPct, methodPercentText)},
        {"Objective", nullptr, verdict},
    };
}

} // namespace

std::span<const MethodsRow> methodsRows() {
    static const std::vector<MethodsRow> rows = makeRows();
    return rows;
}

std::string methodPercentText(double value) {
    if (value != 0 && std::fabs(value) < 1e-4) {
        return formatNumbers("%.2e", value);
    }
    const int magnitude =
        value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
    return fixedDecimals(value, std::max(0, 2 - magnitude));
}

} // namespace korvel
