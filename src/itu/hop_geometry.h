#pragma once
// The geometry the current multipath and rain methods read from a hop.

#include <algorithm>
#include <cmath>

namespace korvel::itu {

struct HopGeometry {
    double hopLengthKm = 0;  // above 0
    double frequencyGHz = 0; // above 0
    double altitude1M = 0;   // antenna of station 1, m above sea level (h_e)
    double altitude2M = 0;   // antenna of station 2, m above sea level (h_r)

    // |ε_p| = |h_r − h_e| / d, mrad.
    double inclinationMrad() const { return std::fabs(altitude2M - altitude1M) / hopLengthKm; }
    // h_L, the lower antenna, m above sea level.
    double lowerAltitudeM() const { return std::min(altitude1M, altitude2M); }
};

} // namespace korvel::itu
