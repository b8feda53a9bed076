#pragma once
// The path profile as a ChartContent: the terrain and clutter over the earth's curvature for k, the
// line of sight between the antenna tips, the first Fresnel zone and 0.6 of it, the worst point
// and both stations, with the clearance at every point in its table.

#include <string>

#include "geo/profile_analysis.h"
#include "platform/chart_view.h"

namespace korvel {

struct ProfileChartInput {
    std::string station1; // Windows-1252, as the hop file holds the names
    std::string station2;
    double frequencyGHz = 0.0;
    double k = 4.0 / 3.0;
};

ChartContent profileChart(const ProfileAnalysis& analysis, const ProfileChartInput& input);

// The window without a profile to draw: `why` in words as its verdict, nothing plotted.
ChartContent emptyProfileChart(const std::string& why);

} // namespace korvel
