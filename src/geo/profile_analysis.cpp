#include "geo/profile_analysis.h"

#include "geo/path_geometry.h"

namespace korvel {

namespace {

// Rounding in the heights found by the antenna height search may leave a point a hair short.
constexpr double kRuleToleranceM = 1e-6;

ProfileSample sampleAt(const ProfilePoint& point, double pathKm, AntennaTips tips,
                       double frequencyGHz, double k) {
    const double d1 = point.distanceKm;
    const double d2 = pathKm - point.distanceKm;
    ProfileSample sample;
    sample.distanceKm = d1;
    sample.groundM = point.groundM;
    sample.clutterM = point.clutterM;
    sample.bulgeM = earthBulgeM(d1, d2, k);
    sample.lineOfSightM = lineOfSightM(tips.antenna1AltitudeM, tips.antenna2AltitudeM, d1, pathKm);
    sample.f1M = firstFresnelRadiusM(d1, d2, frequencyGHz);
    sample.clearanceM =
        clearanceM(sample.lineOfSightM, point.groundM, point.clutterM, sample.bulgeM);
    return sample;
}

} // namespace

ProfileAnalysis analyseProfile(const TerrainProfile& profile, AntennaTips tips, double frequencyGHz,
                               double k) {
    ProfileAnalysis analysis;
    if (profile.empty()) {
        return analysis;
    }
    analysis.pathKm = profile.back().distanceKm;
    analysis.samples.reserve(profile.size());
    for (std::size_t i = 0; i < profile.size(); ++i) {
        const ProfileSample sample = sampleAt(profile[i], analysis.pathKm, tips, frequencyGHz, k);
        analysis.samples.push_back(sample);
        const bool between = i > 0 && i + 1 < profile.size() && sample.f1M > 0.0;
        if (!between) {
            continue;
        }
        const double clearanceF1 = sample.clearanceM / sample.f1M;
        if (!analysis.worst || clearanceF1 < analysis.worst->clearanceF1) {
            analysis.worst = WorstPoint{i, clearanceF1};
        }
    }
    return analysis;
}

bool ruleMet(const TerrainProfile& profile, AntennaTips tips, double frequencyGHz,
             const ClearanceRule& rule) {
    return rulesMet(profile, tips, frequencyGHz, {rule}).front();
}

std::vector<bool> rulesMet(const TerrainProfile& profile, AntennaTips tips, double frequencyGHz,
                           const std::vector<ClearanceRule>& rules) {
    std::vector<bool> met(rules.size(), true);
    const double pathKm = profile.empty() ? 0.0 : profile.back().distanceKm;
    std::size_t stillMet = rules.size();
    // The Fresnel zone, the dearest part, is worked out once per point for all the rules.
    for (std::size_t i = 1; i + 1 < profile.size() && stillMet > 0; ++i) {
        const ProfilePoint& point = profile[i];
        const double d1 = point.distanceKm;
        const double d2 = pathKm - d1;
        const double f1 = firstFresnelRadiusM(d1, d2, frequencyGHz);
        const double lineM =
            lineOfSightM(tips.antenna1AltitudeM, tips.antenna2AltitudeM, d1, pathKm);
        for (std::size_t r = 0; r < rules.size(); ++r) {
            const double clearance =
                clearanceM(lineM, point.groundM, point.clutterM, earthBulgeM(d1, d2, rules[r].k));
            if (met[r] && clearance + kRuleToleranceM < rules[r].c * f1) {
                met[r] = false;
                --stillMet;
            }
        }
    }
    return met;
}

} // namespace korvel
