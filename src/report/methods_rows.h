#pragma once
// The rows of the methods table as the tool and the desktop show them: a short label, the cell of
// each column (UTF-8; "-" where the column has no figure) and, for an input row, the input the
// cell shows so that its source can be named beside it or in a tooltip.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "itu/method_result.h"

namespace korvel {

using MethodInputField = std::optional<itu::InputValue> itu::MethodInputs::*;

struct MethodsRow {
    std::string_view label;           // "dN1 (N/km)", "Total, worst month (%)"
    MethodInputField input = nullptr; // set on the input rows
    std::function<std::string(const itu::MethodResult&)> cell;
};

inline constexpr std::string_view kNoFigure = "-";

// Inputs first, then the figures, the last row the objective's verdict.
std::span<const MethodsRow> methodsRows();

// A percentage of time as the methods table shows it: three significant digits, an exponent
// below 1e-4.
std::string methodPercentText(double value);

} // namespace korvel
