#pragma once
// The --methods option of calc: which method columns to show, the climate values typed on the
// command line (over the hop's own typed values, over the installed climate maps), and the
// columns as a text table or as JSON.

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CLI/CLI.hpp"
#include "itu/climate/climate_maps.h"
#include "itu/hop_methods.h"
#include "json_writer.h"

namespace korvel::cli {

// A method's cell that has no value.
inline constexpr const char* kNone = "-";

struct MethodsOptions {
    std::vector<std::string> names;                   // as typed: classic, p530-17, p530-18
    std::array<std::optional<double>, 6> typedValues; // in the order of kTypedClimateKeys

    bool wanted() const { return !names.empty(); }
    bool wants(itu::MethodId method) const;
    // `base` with the values typed on the command line put over it.
    itu::ClimateInputs climate(itu::ClimateInputs base) const;
    // The installed climate maps, opened at the first hop (a damaged grid said and left out).
    const ClimateMaps& maps() const;
    // The asked columns, always in the order classic, p530-17, p530-18.
    std::vector<const itu::MethodResult*> chosen(const std::array<itu::MethodResult, 3>& all) const;

  private:
    mutable std::shared_ptr<const ClimateMaps> maps_;
};

// --methods LIST and one flag per typed climate value (--dN1 VALUE ...), range-checked.
void addMethodsOptions(CLI::App* command, MethodsOptions& options);

// What a hop's columns read besides the hop: its sites (read once; none without a sites file or
// after its refusal), the path's midpoint and the climate values: those typed on the command
// line, else in the sites file's block, else read off the installed maps at the midpoint.
struct MethodsSource {
    std::optional<HopSites> sites;
    itu::ClimateInputs climate;
    std::optional<GeoPoint> midpoint;

    itu::HopMethodsInput input(const HopState& hop) const;
};
MethodsSource methodsSource(const std::string& hopFile, const MethodsOptions& options);
// The same from sites the caller has read already.
MethodsSource methodsSource(std::optional<HopSites> sites, const MethodsOptions& options);

// The columns of one hop for the options (sites when the hop has a sites file).
std::array<itu::MethodResult, 3> methodColumns(const HopState& hop, const std::string& hopFile,
                                               const MethodsOptions& options);
std::array<itu::MethodResult, 3> methodColumns(const HopState& hop, std::optional<HopSites> sites,
                                               const MethodsOptions& options);

// Rows of cells in columns two blanks apart, each line's trailing blanks removed.
void appendAligned(std::string& text, const std::vector<std::vector<std::string>>& grid);

// "methods": [...] as members of the hop's JSON object.
void writeMethodsJson(JsonWriter& json, const std::vector<const itu::MethodResult*>& columns);

// One table, a column per method, then each column's notes.
void appendMethodsTable(std::string& text, const std::vector<const itu::MethodResult*>& columns);

} // namespace korvel::cli
