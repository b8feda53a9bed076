#pragma once
// What a planner reads at each end of a hop on a map: the azimuth to the far end, the elevation
// angle of the path over a median (k = 4/3) earth, and the path's length.

#include <array>

#include "geo/hop_sites.h"

namespace korvel {

struct PathEndView {
    double azimuthDeg = 0.0;   // clockwise from true north, 0 to 360, towards the far end
    double elevationDeg = 0.0; // above the horizontal, towards the far antenna
    double distanceKm = 0.0;   // along the geodesic
};

// The two ends, antennas standing `tipHeightsM` above sea level (station plus antenna heights).
std::array<PathEndView, 2> pathEndViews(const std::array<SitePosition, 2>& sites,
                                        const std::array<double, 2>& tipHeightsM);

} // namespace korvel
