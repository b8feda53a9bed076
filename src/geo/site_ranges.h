#pragma once
// What a planner's site data may hold: the ground and clutter heights and profile distances the
// earth allows. The sites file reader, every writer of a sites file and the command line all
// take their ranges from here, so a value one accepts the others accept too.

#include <cstddef>
#include <string>
#include <string_view>

namespace korvel {

struct PhysicalRange {
    double least = 0.0;
    double most = 0.0;
};

// Positions on the WGS84 ellipsoid, decimal degrees.
inline constexpr PhysicalRange kLatitudeRangeDeg{-90.0, 90.0};
inline constexpr PhysicalRange kLongitudeRangeDeg{-180.0, 180.0};
// From the shores of the Dead Sea (-430 m) to above the highest summit (8849 m), m above sea
// level.
inline constexpr PhysicalRange kGroundElevationRangeM{-500.0, 9000.0};
// The tallest trees and most buildings a path crosses, m above the ground.
inline constexpr PhysicalRange kClutterRangeM{0.0, 500.0};
// From station 1 to the far side of the earth (the longest geodesic is 20004 km), km.
inline constexpr PhysicalRange kProfileDistanceRangeKm{0.0, 20004.0};
// Far beyond a 200 km path sampled every 10 m, and still quick to draw and to store.
inline constexpr std::size_t kMaxProfilePoints = 100000;

// Finite and within the range, ends included.
bool withinRange(double value, PhysicalRange range);

// "from -500 to 9000 m": the range in the words the messages use.
std::string rangeInWords(PhysicalRange range, std::string_view unit);

} // namespace korvel
