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
    bool wants(itu::MethodId method) const;
    itu::ClimateInputs climate() const;
    // The asked columns, always in the order classic, p530-17, p530-18.
    std::vector<const itu::MethodResult*> chosen(const std::array<itu::MethodResult, 3>& all) const;
};

// --methods LIST and one flag per typed climate value (--dN1 VALUE ...), range-checked.
void addMethodsOptions(CLI::App* command, MethodsOptions& options);

// What a hop's columns read besides the hop: its sites (read once; none without a sites file or
// after its refusal) and the climate values.
struct MethodsSource {
    std::optional<HopSites> sites;
    itu::ClimateInputs climate;

    itu::HopMethodsInput input(const HopState& hop) const;
};
MethodsSource methodsSource(const std::string& hopFile, const MethodsOptions& options);

// The columns of one hop for the options (sites when the hop has a sites file).
std::array<itu::MethodResult, 3> methodColumns(const HopState& hop, const std::string& hopFile,
                                               const MethodsOptions& options);

// A percentage of time as the methods table shows it: three significant digits, an exponent
// below 1e-4.
std::string methodPercentText(double value);

// Rows of cells in columns two blanks apart, each line's trailing blanks removed.
void appendAligned(std::string& text, const std::vector<std::vector<std::string>>& grid);

// "methods": [...] as members of the hop's JSON object.
void writeMethodsJson(JsonWriter& json, const std::vector<const itu::MethodResult*>& columns);

// One table, a column per method, then each column's notes.
void appendMethodsTable(std::string& text, const std::vector<const itu::MethodResult*>& columns);

} // namespace korvel::cli
