#pragma once
// The --methods option of calc: which method columns to show, the climate values typed on the
// command line, and the columns as a text table or as JSON.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "CLI/CLI.hpp"
#include "itu/hop_methods.h"
#include "json_writer.h"

namespace korvel::cli {

struct MethodsOptions {
    std::vector<std::string> names;                   // as typed: classic, p530-17, p530-18
    std::array<std::optional<double>, 6> typedValues; // in the order of kTypedClimateKeys

    bool wanted() const { return !names.empty(); }
    itu::ClimateInputs climate() const;
    // The asked columns, always in the order classic, p530-17, p530-18.
    std::vector<const itu::MethodResult*> chosen(const std::array<itu::MethodResult, 3>& all) const;
};

// --methods LIST and one flag per typed climate value (--dN1 VALUE ...), range-checked.
void addMethodsOptions(CLI::App* command, MethodsOptions& options);

// The columns of one hop for the options (sites when the hop has a sites file).
std::array<itu::MethodResult, 3> methodColumns(const HopState& hop, const std::string& hopFile,
                                               const MethodsOptions& options);

// "methods": [...] as members of the hop's JSON object.
void writeMethodsJson(JsonWriter& json, const std::vector<const itu::MethodResult*>& columns);

// One table, a column per method, then each column's notes.
void appendMethodsTable(std::string& text, const std::vector<const itu::MethodResult*>& columns);

} // namespace korvel::cli
