#pragma once
// Climate values a planner types for one hop (measured data, or a value read off a map by hand).
// Each overrides whatever a climate map would give at the hop. Kept in the sites file's
// "climate" block (geo/climate_block.h).

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace korvel {

enum class ClimateQuantity : std::size_t { DN1, Sa, LogK, DN75, HtM, R001 };
inline constexpr std::size_t kClimateQuantityCount = 6;

// What a climate quantity is called, measured in and may be: the same names and ranges for a
// typed value and for a map's values.
struct ClimateQuantityFacts {
    std::string_view key;  // "dN1", as in the sites file and the tool's output
    std::string_view unit; // "N/km"; empty for a pure number
    double least = 0.0;
    double most = 0.0;
};

// Wide enough for measured values anywhere on earth, narrow enough to catch a wrong unit; a map's
// values are held to the same ranges.
inline constexpr std::array<ClimateQuantityFacts, kClimateQuantityCount> kClimateQuantityFacts = {{
    {"dN1", "N/km", -3000.0, 0.0},
    {"sa", "m", 0.0, 3000.0},
    {"logK", "", -10.0, 0.0},
    {"dN75", "N", 0.0, 1000.0},
    {"htM", "m", -500.0, 9000.0},
    {"R001", "mm/h", 0.0, 500.0},
}};

constexpr const ClimateQuantityFacts& climateQuantityFacts(ClimateQuantity quantity) {
    return kClimateQuantityFacts[static_cast<std::size_t>(quantity)];
}
std::optional<ClimateQuantity> climateQuantityNamed(std::string_view key);
// Whether `value` is a finite number within the quantity's range, and how a refusal says so:
// "expected a number from 0 to 500".
bool climateValueFits(const ClimateQuantityFacts& facts, double value);
std::string climateRangeText(const ClimateQuantityFacts& facts);

struct ClimateOverrides {
    std::array<std::optional<double>, kClimateQuantityCount> values;

    [[nodiscard]] const std::optional<double>& operator[](ClimateQuantity quantity) const {
        return values[static_cast<std::size_t>(quantity)];
    }
    std::optional<double>& operator[](ClimateQuantity quantity) {
        return values[static_cast<std::size_t>(quantity)];
    }
    [[nodiscard]] bool empty() const;
    bool operator==(const ClimateOverrides&) const = default;
};

// Applies "KEY=VALUE" (sets) or "KEY=" (clears); an empty text when done, else what is wrong
// with it: "R001=400: expected a number from 0 to 300".
std::string applyClimateSetting(ClimateOverrides& overrides, std::string_view setting);

} // namespace korvel
