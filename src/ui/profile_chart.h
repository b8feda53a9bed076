#pragma once
// The path profile as a ChartContent: the terrain filled over the earth's curvature for the k
// drawn, the clutter as an area where there is some, the masts with their antenna heights, the
// line of sight with the first Fresnel zone and 0.6 of it, the line of sight bent for the k of
// every rule with the clearance the rule keeps, the space-diversity antenna's path under its own
// rule, the worst point ("OBSTRUCTED" where the line is cut), and every point in its table.

#include <optional>
#include <string>
#include <vector>

#include "geo/path_ends.h"
#include "geo/profile_study.h"
#include "platform/chart_view.h"

namespace korvel {

struct ProfileChartInput {
    std::string station1; // Windows-1252, as the hop file holds the names
    std::string station2;
    double k = 4.0 / 3.0;
    StudiedHop hop;
    std::vector<ClearanceRule> rules;
    std::optional<PathEnds> ends; // azimuths, elevation angles and distance, in the verdict
};

ChartContent profileChart(const ProfileStudy& study, const ProfileChartInput& input);

// The window without a profile to draw: `why` in words as its verdict, nothing plotted.
ChartContent emptyProfileChart(const std::string& why);

// "Hilltop: azimuth 45.20°, elevation -0.12°; Harbour: ...; distance 10.000 km." (Windows-1252)
std::string pathEndsText(const PathEnds& ends, const std::string& station1,
                         const std::string& station2);

} // namespace korvel
