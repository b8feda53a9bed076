#pragma once
// A terrain profile the planner imports as CSV text: one point a line, "distance km, ground m"
// or "distance km, ground m, clutter m", separated by commas; a first line that is not numbers
// is a heading, and empty lines are skipped. Refused, with the line named, unless the points
// are sorted, without repeats, and run from station 1 to station 2.

#include <string>
#include <string_view>

#include "geo/hop_sites.h"

namespace korvel {

struct ProfileImport {
    TerrainProfile profile; // the points when `error` is empty
    std::string error;      // "line 7: distance 3.200 km repeats the point before"
};

// `hopLengthKm` is where station 2 stands; 0 when the hop has no length yet, and then the last
// point is taken as station 2.
ProfileImport importProfileCsv(std::string_view text, double hopLengthKm);

} // namespace korvel
