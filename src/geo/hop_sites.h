#pragma once
// Where a hop's two stations stand and the terrain between them: what the sites file beside a
// hop file holds. A hop without sites behaves exactly as one made before sites existed.

#include <array>
#include <optional>
#include <vector>

#include "geo/climate_overrides.h"
#include "geo/verdict_method.h"

namespace korvel {

// A station's position on the WGS84 ellipsoid and the ground elevation there.
struct SitePosition {
    double latitudeDeg = 0.0;      // decimal degrees, -90 to 90, north positive
    double longitudeDeg = 0.0;     // decimal degrees, -180 to 180, east positive
    double groundElevationM = 0.0; // m above sea level
};

// One point of the terrain under the path.
struct ProfilePoint {
    double distanceKm = 0.0; // from station 1
    double groundM = 0.0;    // ground elevation, m above sea level
    double clutterM = 0.0;   // trees, buildings on the ground, m; 0 where there is none
    bool hasClutter = false; // whether the source gave a clutter height for the point
};

// The profile runs from station 1 (0 km) to station 2, sorted by distance without repeats.
using TerrainProfile = std::vector<ProfilePoint>;

struct HopSites {
    std::array<std::optional<SitePosition>, 2> stations; // [0] station 1, [1] station 2
    TerrainProfile profile;                              // empty when none was made
    ClimateOverrides climate;                            // typed values, none by default
    // The annual rain unavailability the planner allows the hop, % of a year; none: not judged.
    std::optional<double> availabilityObjectivePct;
    VerdictMethod verdictMethod = VerdictMethod::Classic;
};

} // namespace korvel
