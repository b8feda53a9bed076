#pragma once
// What a planner aligns the antennas by, at each end of a hop: the azimuth toward the other end
// (only when both sites are known), the elevation angle toward the other antenna and the distance.

#include <array>
#include <optional>

#include "geo/hop_sites.h"
#include "geo/profile_analysis.h"

namespace korvel {

struct PathEnd {
    std::optional<double> azimuthDeg; // clockwise from true north, [0, 360)
    double elevationDeg = 0.0;        // above the local horizontal, negative looking down
};

struct PathEnds {
    double distanceKm = 0.0;     // the geodesic between the sites, or the hop length without them
    std::array<PathEnd, 2> ends; // [0] at station 1 toward station 2, [1] the other way
};

// The elevation angles are those of the radio ray over an earth of k = 4/3, which the antennas
// are aligned to. distanceKm > 0 unless both tips stand at the same place.
PathEnds pathEnds(const std::array<std::optional<SitePosition>, 2>& sites, double hopLengthKm,
                  AntennaTips tips);

} // namespace korvel
