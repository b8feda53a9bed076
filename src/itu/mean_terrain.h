#pragma once
// The mean terrain height h_t under a hop, with the source it came from: the planner's value,
// else the distance-weighted mean of the hop's profile (ground only, no clutter), else the mean
// of the two station ground heights.

#include <optional>
#include <string_view>

#include "geo/hop_sites.h"
#include "itu/figure.h"

namespace korvel::itu {

inline constexpr std::string_view kSourceOverride = "override";
inline constexpr std::string_view kSourceProfile = "profile";
inline constexpr std::string_view kSourceStations = "stations";

// Trapezoid mean of the ground along the profile, m; none for fewer than two points or a profile
// of no length.
std::optional<double> profileMeanGroundM(const TerrainProfile& profile);

// h_t, m above sea level, unit "m"; the override's source is "override" whatever it says.
InputValue meanTerrainHeight(std::optional<double> overrideM, const TerrainProfile* profile,
                             double station1GroundM, double station2GroundM);

} // namespace korvel::itu
