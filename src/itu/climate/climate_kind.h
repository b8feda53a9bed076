#pragma once
// The climate grids Korvel imports: what each holds, in which unit and range, from which
// recommendation, and how the ITU lays it out (first row north or south, first column at -180 or
// 0, nodes on whole steps or offset by half a step beyond the poles and the date line).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "geo/climate_overrides.h"

namespace korvel {

// Stored in the cache files: the numbers never change.
enum class ClimateKind : std::uint16_t {
    DN1 = 1,
    Sa = 2,
    LogK = 3,
    DN75 = 4,
    R001 = 5,
    MT01 = 101, // MT01 + m - 1 for month m: monthly mean total rainfall
    T01 = 201,  // T01 + m - 1 for month m: monthly mean surface temperature
};
inline constexpr std::size_t kMonths = 12;
inline constexpr std::size_t kClimateKindCount = 5 + 2 * kMonths;

ClimateKind monthlyRainKind(std::size_t month);        // month 1..12
ClimateKind monthlyTemperatureKind(std::size_t month); // month 1..12
// Every kind, in the order the tool lists them.
ClimateKind climateKindAt(std::size_t index);   // index < kClimateKindCount
std::size_t climateKindIndex(ClimateKind kind); // the inverse of climateKindAt

enum class GridFamily { DN1, Sa, LogK, DN75, R001, MonthlyRain, MonthlyTemperature };

struct GridLayout {
    bool northFirst = true;      // first row at +90 (else at -90)
    double westDeg = -180.0;     // longitude of the first column, without the half-step offset
    bool halfStepBeyond = false; // nodes run from -90 - step/2 to 90 + step/2 (and likewise in
                                 // longitude): two more rows and columns than whole steps
};

struct ClimateKindFacts {
    char name[8] = {};     // "dN1", "MT01": as typed after --as and in the output
    std::string_view unit; // "N/km", "mm", "K"
    double least = 0.0;    // every value of a grid lies in least..most
    double most = 0.0;
    std::string_view recommendation; // "ITU-R P.837-7"
    GridFamily family = GridFamily::DN1;
    GridLayout layout;
};

ClimateKindFacts climateKindFacts(ClimateKind kind);
// The kind typed after --as ("dN1", "MT07"); nothing for another text.
std::optional<ClimateKind> climateKindNamed(std::string_view name);
// The kind that gives a per-hop climate quantity, if a map gives it (htM has none).
std::optional<ClimateKind> climateKindOf(ClimateQuantity quantity);

} // namespace korvel
