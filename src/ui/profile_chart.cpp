#include "ui/profile_chart.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <utility>

#include "fields/format_fixed.h"
#include "geo/path_geometry.h"

namespace korvel {

namespace {

// Breaks a curve; also a mark's unused ends.
constexpr double kBreak = std::numeric_limits<double>::quiet_NaN();
constexpr double kFresnelShare = 0.6;
// Two k closer than this draw the same line.
constexpr double kSameK = 1e-6;
// More points than a screen has pixels across only slow the drawing down.
constexpr std::size_t kDrawnPoints = 500;
// The lines of sight and the Fresnel zones are smooth: this many points draw them as well as more.
constexpr std::size_t kSmoothPoints = 120;
// A mast's height is written this share of the path inside its end.
constexpr double kLabelInset = 0.03;

ChartCurve curveOf(std::string name, ChartRole role, ChartStroke stroke = ChartStroke::ByRole) {
    ChartCurve curve;
    curve.name = std::move(name);
    curve.role = role;
    curve.stroke = stroke;
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

std::string clearanceVerdictText(const ProfileAnalysis& analysis, const ProfileChartInput& input) {
    std::string verdict = input.station1 + " to " + input.station2 + ", " +
                          formatFixed(analysis.pathKm, 3) + " km at " +
                          formatFixed(input.hop.frequencyGHz, 3) +
                          " GHz, earth bulge for k = " + formatFixed(input.k, 3) + ": ";
    if (!analysis.worst) {
        verdict += "no point between the stations.";
    } else {
        const ProfileSample& worst = analysis.samples[analysis.worst->index];
        if (worst.clearanceM < 0.0) {
            verdict += "OBSTRUCTED at " + formatFixed(worst.distanceKm, 3) + " km, the line " +
                       formatFixed(-worst.clearanceM, 1) + " m below the obstacle's top.";
        } else {
            verdict += "worst point at " + formatFixed(worst.distanceKm, 3) + " km, clearance " +
                       formatFixed(worst.clearanceM, 1) +
                       " m = " + formatFixed(analysis.worst->clearanceF1, 2) + " F1.";
        }
    }
    if (input.ends) {
        verdict += "\n" + pathEndsText(*input.ends, input.station1, input.station2);
    }
    return verdict;
}

// The samples drawn: of a long profile, the highest obstacle of each stretch and both ends, so
// that no peak the line must clear goes missing from the picture.
ProfileAnalysis thinned(const ProfileAnalysis& analysis) {
    const std::size_t count = analysis.samples.size();
    if (count <= kDrawnPoints) {
        return analysis;
    }
    ProfileAnalysis drawn;
    drawn.pathKm = analysis.pathKm;
    drawn.samples.reserve(kDrawnPoints + 2);
    drawn.samples.push_back(analysis.samples.front());
    const std::size_t stretch = (count + kDrawnPoints - 1) / kDrawnPoints;
    for (std::size_t start = 1; start + 1 < count; start += stretch) {
        const std::size_t end = std::min(start + stretch, count - 1);
        const ProfileSample* peak = &analysis.samples[start];
        for (std::size_t i = start + 1; i < end; ++i) {
            const ProfileSample& sample = analysis.samples[i];
            if (sample.groundM + sample.clutterM + sample.bulgeM >
                peak->groundM + peak->clutterM + peak->bulgeM) {
                peak = &sample;
            }
        }
        drawn.samples.push_back(*peak);
    }
    drawn.samples.push_back(analysis.samples.back());
    return drawn;
}

// Evenly chosen samples, both ends kept, for the smooth lines.
ProfileAnalysis everyFew(const ProfileAnalysis& analysis) {
    const std::size_t count = analysis.samples.size();
    if (count <= kSmoothPoints) {
        return analysis;
    }
    ProfileAnalysis few;
    few.pathKm = analysis.pathKm;
    const std::size_t step = (count + kSmoothPoints - 1) / kSmoothPoints;
    for (std::size_t i = 0; i + 1 < count; i += step) {
        few.samples.push_back(analysis.samples[i]);
    }
    few.samples.push_back(analysis.samples.back());
    return few;
}

// The terrain over the earth for the k drawn, filled down to the earth; clutter only where some.
void addTerrain(ChartContent& content, const ProfileAnalysis& analysis, double k) {
    ChartCurve earth = curveOf("Earth, k = " + formatFixed(k, 2), ChartRole::Earth);
    ChartCurve terrain = curveOf("Terrain", ChartRole::Terrain);
    ChartCurve clutter = curveOf("Clutter", ChartRole::Clutter);
    ChartArea ground{ChartRole::Terrain, {}, {}, {}};
    ChartArea cover{ChartRole::Clutter, {}, {}, {}};
    bool anyClutter = false;
    for (const ProfileSample& sample : analysis.samples) {
        const double x = sample.distanceKm;
        const double top = sample.groundM + sample.bulgeM;
        const bool covered = sample.clutterM > 0.0;
        anyClutter = anyClutter || covered;
        addPoint(earth, x, sample.bulgeM);
        addPoint(terrain, x, top);
        addPoint(clutter, x, covered ? top + sample.clutterM : kBreak);
        ground.x.push_back(x);
        ground.low.push_back(sample.bulgeM);
        ground.high.push_back(top);
        cover.x.push_back(x);
        cover.low.push_back(covered ? top : kBreak);
        cover.high.push_back(covered ? top + sample.clutterM : kBreak);
    }
    content.curves.push_back(std::move(earth));
    content.curves.push_back(std::move(terrain));
    content.areas.push_back(std::move(ground));
    if (anyClutter) {
        content.curves.push_back(std::move(clutter));
        content.areas.push_back(std::move(cover));
    }
}

// The straight line of the k drawn, its first Fresnel zone (dashed) and 0.6 of it (dotted).
void addSight(ChartContent& content, const ProfileAnalysis& analysis) {
    ChartCurve sight = curveOf("Line of sight", ChartRole::Sight);
    ChartCurve fresnel = curveOf("F1 zone", ChartRole::Fresnel);
    ChartCurve share = curveOf("0.6 F1", ChartRole::FresnelShare);
    for (const ProfileSample& sample : analysis.samples) {
        addPoint(sight, sample.distanceKm, sample.lineOfSightM);
        addPoint(fresnel, sample.distanceKm, sample.lineOfSightM - sample.f1M);
        addPoint(share, sample.distanceKm, sample.lineOfSightM - kFresnelShare * sample.f1M);
    }
    // The zone's upper edge continues the same curve after a break.
    addPoint(fresnel, analysis.pathKm, kBreak);
    for (const ProfileSample& sample : analysis.samples) {
        addPoint(fresnel, sample.distanceKm, sample.lineOfSightM + sample.f1M);
    }
    content.curves.insert(content.curves.end(), {sight, fresnel, share});
}

// How much higher a line stands over the drawing's earth when the earth bulges for `k`.
double bendAt(const ProfileSample& sample, double pathKm, double k) {
    return sample.bulgeM - earthBulgeM(sample.distanceKm, pathKm - sample.distanceKm, k);
}

std::string ruleName(const ClearanceRule& rule) {
    return formatFixed(rule.c, 2) + " F1 at k = " + formatFixed(rule.k, 2);
}

// A line between tips 1 and `tip2M`, bent for the rule's k, and the clearance the rule keeps
// under it; what the k drawn already shows is left out.
void addRuleLines(ChartContent& content, const ProfileAnalysis& analysis, double drawnK,
                  const ClearanceRule& rule, double tip1M, double tip2M, ChartRole role) {
    const bool sameK = std::abs(rule.k - drawnK) < kSameK;
    const bool ownLine = role == ChartRole::Diversity || !sameK;
    ChartCurve sight =
        curveOf(role == ChartRole::Diversity ? "Diversity antenna, k = " + formatFixed(rule.k, 2)
                                             : "Line of sight, k = " + formatFixed(rule.k, 2),
                role, ChartStroke::Solid);
    ChartCurve kept = curveOf(ruleName(rule), role, ChartStroke::DashDotted);
    for (const ProfileSample& sample : analysis.samples) {
        const double line = lineOfSightM(tip1M, tip2M, sample.distanceKm, analysis.pathKm) +
                            bendAt(sample, analysis.pathKm, rule.k);
        addPoint(sight, sample.distanceKm, line);
        addPoint(kept, sample.distanceKm, line - rule.c * sample.f1M);
    }
    if (ownLine) {
        content.curves.push_back(std::move(sight));
    }
    const bool drawnAlready = sameK && role != ChartRole::Diversity &&
                              (rule.c == 0.0 || rule.c == 1.0 || rule.c == kFresnelShare);
    if (rule.c > 0.0 && !drawnAlready) {
        content.curves.push_back(std::move(kept));
    }
}

std::string heightText(double metres) {
    return formatFixed(metres, 1) + " m";
}

// A mast at each end from the station's height to the antenna, its height written at its top.
void addMasts(ChartContent& content, double pathKm, const ProfileChartInput& input,
              const std::optional<DiversityStudy>& diversity) {
    const StudiedHop& hop = input.hop;
    const double tip1M = hop.stations.station1M + hop.antennas.antenna1M;
    const double tip2M = hop.stations.station2M + hop.antennas.antenna2M;
    ChartCurve masts = curveOf("Masts", ChartRole::Mast);
    addPoint(masts, 0.0, hop.stations.station1M);
    addPoint(masts, 0.0, tip1M);
    addPoint(masts, 0.0, kBreak);
    addPoint(masts, pathKm, hop.stations.station2M);
    addPoint(masts, pathKm, tip2M);
    content.curves.push_back(std::move(masts));
    // Written a little inside the ends, where the plot still has room for them.
    const double inset = pathKm * kLabelInset;
    content.labels.push_back({heightText(hop.antennas.antenna1M), ChartRole::Mast, inset, tip1M});
    content.labels.push_back(
        {heightText(hop.antennas.antenna2M), ChartRole::Mast, pathKm - inset, tip2M});
    if (diversity) {
        content.labels.push_back({"Diversity " + heightText(diversity->antennaM),
                                  ChartRole::Diversity, pathKm - 8.0 * inset,
                                  hop.stations.station2M + diversity->antennaM});
    }
}

void addWorst(ChartContent& content, const ProfileAnalysis& analysis) {
    if (!analysis.worst) {
        return;
    }
    const ProfileSample& worst = analysis.samples[analysis.worst->index];
    content.marks.push_back(
        {"Worst point", ChartRole::Misses, true, worst.distanceKm, kBreak, kBreak});
    if (worst.clearanceM < 0.0) {
        content.labels.push_back({"OBSTRUCTED", ChartRole::Misses, worst.distanceKm,
                                  worst.groundM + worst.clutterM + worst.bulgeM});
    }
}

} // namespace

ChartContent profileChart(const ProfileStudy& study, const ProfileChartInput& input) {
    const ProfileAnalysis& analysis = study.analysis;
    ChartContent content = frame(clearanceVerdictText(analysis, input));
    content.title = "Path profile: " + input.station1 + " - " + input.station2;
    content.xTitle = "Distance from " + input.station1 + " (km)";
    const ProfileAnalysis drawn = thinned(analysis);
    const ProfileAnalysis smooth = everyFew(drawn);
    addTerrain(content, drawn, input.k);
    addSight(content, smooth);
    const StudiedHop& hop = input.hop;
    const double tip1M = hop.stations.station1M + hop.antennas.antenna1M;
    const double tip2M = hop.stations.station2M + hop.antennas.antenna2M;
    for (const ClearanceRule& rule : input.rules) {
        addRuleLines(content, smooth, input.k, rule, tip1M, tip2M, ChartRole::SightOtherK);
    }
    if (study.diversity) {
        addRuleLines(content, smooth, input.k, study.diversity->rule, tip1M,
                     hop.stations.station2M + study.diversity->antennaM, ChartRole::Diversity);
    }
    addMasts(content, analysis.pathKm, input, study.diversity);
    addWorst(content, analysis);
    content.table.makeRows = [shared = std::make_shared<const ProfileAnalysis>(analysis)] {
        return tableRows(*shared);
    };
    return content;
}

ChartContent emptyProfileChart(const std::string& why) {
    return frame(why);
}

std::string pathEndsText(const PathEnds& ends, const std::string& station1,
                         const std::string& station2) {
    std::string text;
    for (std::size_t i = 0; i < ends.ends.size(); ++i) {
        const PathEnd& end = ends.ends[i];
        text += (i == 0 ? station1 : "; " + station2) + ": ";
        if (end.azimuthDeg) {
            text += "azimuth " + formatFixed(*end.azimuthDeg, 2) + "\xB0, ";
        }
        text += "elevation " + formatFixed(end.elevationDeg, 2) + "\xB0";
    }
    return text + "; distance " + formatFixed(ends.distanceKm, 3) + " km.";
}

} // namespace korvel
