#pragma once
// The rules every profile keeps, whatever it came from (a CSV file, the sites file, a model):
// it starts at station 1, runs in increasing distance without repeats, and its heights are
// numbers that make sense.

#include <cstddef>
#include <optional>
#include <string>

#include "geo/hop_sites.h"

namespace korvel {

// Where a start within this distance of 0 km counts as station 1, and an end within it of the
// hop length counts as station 2: the hop length is kept to 0.1 km.
inline constexpr double kProfileEndToleranceKm = 0.05;

struct ProfileFault {
    std::size_t index = 0; // the point at fault
    std::string text;      // "distance 3.2 km comes after 3.5 km", ...
};

// The first fault of the points' order and values: fewer than two or more than
// kMaxProfilePoints points, a first point not at station 1, a distance before 0 km or not after
// the one before, a height not finite or beyond its range of site_ranges.h.
std::optional<ProfileFault> profileFault(const TerrainProfile& profile);

// Nothing when the profile ends at station 2 of a hop `hopLengthKm` long (or the hop has no
// length yet); else "the profile ends at 38.000 km but the hop is 40.000 km long". A stored
// profile that fails it belongs to other sites or another hop length and is not used as it is.
std::optional<std::string> profileEndFault(const TerrainProfile& profile, double hopLengthKm);

// A distance as the profile's messages give it: "38.000 km".
std::string kilometresText(double km);

// Whether the last point is station 2 of a hop `hopLengthKm` long.
bool profileReaches(const TerrainProfile& profile, double hopLengthKm);

} // namespace korvel
