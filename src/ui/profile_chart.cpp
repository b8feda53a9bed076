#include "ui/profile_chart.h"

#include <cmath>
#include <limits>
#include <utility>

#include "fields/format_fixed.h"

namespace korvel {

namespace {

// Breaks a curve; also a mark's unused ends.
constexpr double kBreak = std::numeric_limits<double>::quiet_NaN();
constexpr double kFresnelShare = 0.6;

ChartCurve curveOf(std::string name, ChartRole role) {
    ChartCurve curve;
    curve.name = std::move(name);
    curve.role = role;
    return curve;
}

void addPoint(ChartCurve& curve, double x, double y) {
    curve.x.push_back(x);
    curve.y.push_back(y);
}

ChartContent frame(std::string verdict) {
    ChartContent content;
    content.name = "profile";
    content.title = "Path profile";
    content.xTitle = "Distance from station 1 (km)";
    content.yTitle = "Height above sea level (m)";
    content.verdict = std::move(verdict);
    content.table.columns = {"Distance (km)",   "Ground (m)",        "Clutter (m)",
                             "Earth bulge (m)", "Line of sight (m)", "F1 radius (m)",
                             "Clearance (m)",   "Clearance (F1)"};
    return content;
}

std::vector<std::vector<std::string>> tableRows(const ProfileAnalysis& analysis) {
    std::vector<std::vector<std::string>> rows;
    for (const ProfileSample& sample : analysis.samples) {
        const bool between = sample.f1M > 0.0;
        rows.push_back({formatFixed(sample.distanceKm, 3), formatFixed(sample.groundM, 1),
                        formatFixed(sample.clutterM, 1), formatFixed(sample.bulgeM, 2),
                        formatFixed(sample.lineOfSightM, 2), formatFixed(sample.f1M, 2),
                        formatFixed(sample.clearanceM, 2),
                        between ? formatFixed(sample.clearanceM / sample.f1M, 2) : "-"});
    }
    return rows;
}

} // namespace

ChartContent profileChart(const ProfileAnalysis& analysis, const ProfileChartInput& input) {
    const std::string ends = input.station1 + " to " + input.station2;
    std::string verdict = ends + ", " + formatFixed(analysis.pathKm, 3) + " km at " +
                          formatFixed(input.frequencyGHz, 3) +
                          " GHz, earth bulge for k = " + formatFixed(input.k, 3) + ": ";
    if (analysis.worst) {
        const ProfileSample& worst = analysis.samples[analysis.worst->index];
        verdict += "worst point at " + formatFixed(worst.distanceKm, 3) + " km, clearance " +
                   formatFixed(worst.clearanceM, 1) +
                   " m = " + formatFixed(analysis.worst->clearanceF1, 2) + " F1.";
    } else {
        verdict += "no point between the stations.";
    }
    ChartContent content = frame(verdict);
    content.title = "Path profile: " + input.station1 + " - " + input.station2;
    content.xTitle = "Distance from " + input.station1 + " (km)";

    ChartCurve earth = curveOf("Earth, k = " + formatFixed(input.k, 2), ChartRole::Earth);
    ChartCurve terrain = curveOf("Terrain", ChartRole::Terrain);
    ChartCurve clutter = curveOf("Clutter", ChartRole::Clutter);
    ChartCurve sight = curveOf("Line of sight", ChartRole::Sight);
    ChartCurve fresnel = curveOf("F1 zone", ChartRole::Fresnel);
    ChartCurve share = curveOf("0.6 F1", ChartRole::FresnelShare);
    bool anyClutter = false;
    for (const ProfileSample& sample : analysis.samples) {
        const double x = sample.distanceKm;
        addPoint(earth, x, sample.bulgeM);
        addPoint(terrain, x, sample.groundM + sample.bulgeM);
        addPoint(clutter, x, sample.groundM + sample.clutterM + sample.bulgeM);
        anyClutter = anyClutter || sample.clutterM > 0.0;
        addPoint(sight, x, sample.lineOfSightM);
        addPoint(fresnel, x, sample.lineOfSightM - sample.f1M);
        addPoint(share, x, sample.lineOfSightM - kFresnelShare * sample.f1M);
    }
    // The zone's upper edge continues the same curve after a break.
    addPoint(fresnel, analysis.pathKm, kBreak);
    for (const ProfileSample& sample : analysis.samples) {
        addPoint(fresnel, sample.distanceKm, sample.lineOfSightM + sample.f1M);
    }
    content.curves = {earth, terrain};
    if (anyClutter) {
        content.curves.push_back(clutter);
    }
    content.curves.insert(content.curves.end(), {sight, fresnel, share});

    content.marks = {{input.station1, ChartRole::Current, true, 0.0, kBreak, kBreak},
                     {input.station2, ChartRole::Current, true, analysis.pathKm, kBreak, kBreak}};
    if (analysis.worst) {
        const ProfileSample& worst = analysis.samples[analysis.worst->index];
        content.marks.push_back(
            {"Worst point", ChartRole::Misses, true, worst.distanceKm, kBreak, kBreak});
    }
    content.table.rows = tableRows(analysis);
    return content;
}

ChartContent emptyProfileChart(const std::string& why) {
    return frame(why);
}

} // namespace korvel
