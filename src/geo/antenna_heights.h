#pragma once
// The lowest antenna heights whose line of sight meets every clearance rule over a profile:
// both antennas equally high, or one kept at the height the planner fixed and the other found.

#include <vector>

#include "geo/clearance_rules.h"
#include "geo/hop_sites.h"

namespace korvel {

// The stations' reference heights, m above sea level, above which the antenna heights count.
struct StationLevels {
    double station1M = 0.0;
    double station2M = 0.0;
};

struct AntennaHeights {
    double antenna1M = 0.0;
    double antenna2M = 0.0;
};

// Both antennas at the same height above their reference levels; never below 0 m. A profile
// without points between the ends needs nothing: 0 m.
AntennaHeights lowestEqualAntennaHeights(const TerrainProfile& profile, StationLevels levels,
                                         double frequencyGHz,
                                         const std::vector<ClearanceRule>& rules);

enum class FixedStation { Station1, Station2 };

// One antenna stays at `fixedHeightM` above its reference level; the other is the lowest that
// meets every rule, never below 0 m.
AntennaHeights lowestAntennaHeightWithOneFixed(const TerrainProfile& profile, StationLevels levels,
                                               double frequencyGHz,
                                               const std::vector<ClearanceRule>& rules,
                                               FixedStation fixed, double fixedHeightM);

struct LowestAntennaHeights {
    AntennaHeights equal;
    AntennaHeights withFixedEnd;
};

// Both searches above in one pass over the profile.
LowestAntennaHeights lowestAntennaHeights(const TerrainProfile& profile, StationLevels levels,
                                          double frequencyGHz,
                                          const std::vector<ClearanceRule>& rules,
                                          FixedStation fixed, double fixedHeightM);

} // namespace korvel
