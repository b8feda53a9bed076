#include "geo/antenna_heights.h"

#include <algorithm>

#include "geo/path_geometry.h"

namespace korvel {

namespace {

// Visits every point between the ends with each rule: its share x of the path from station 1
// and the altitude the line of sight must reach there, m above sea level.
template <class Visit>
void forEachNeed(const TerrainProfile& profile, double frequencyGHz,
                 const std::vector<ClearanceRule>& rules, Visit visit) {
    if (profile.size() < 3) {
        return;
    }
    const double pathKm = profile.back().distanceKm;
    for (std::size_t i = 1; i + 1 < profile.size(); ++i) {
        const ProfilePoint& point = profile[i];
        const double d1 = point.distanceKm;
        const double d2 = pathKm - d1;
        const double f1 = firstFresnelRadiusM(d1, d2, frequencyGHz);
        const double obstacleM = point.groundM + point.clutterM;
        for (const ClearanceRule& rule : rules) {
            visit(d1 / pathKm, obstacleM + earthBulgeM(d1, d2, rule.k) + rule.c * f1);
        }
    }
}

} // namespace

AntennaHeights lowestEqualAntennaHeights(const TerrainProfile& profile, StationLevels levels,
                                         double frequencyGHz,
                                         const std::vector<ClearanceRule>& rules) {
    // The line rises by the same height a at both ends, so it rises by a at every point.
    double heightM = 0.0;
    forEachNeed(profile, frequencyGHz, rules, [&](double share, double needM) {
        const double lineM = levels.station1M + (levels.station2M - levels.station1M) * share;
        heightM = std::max(heightM, needM - lineM);
    });
    return {heightM, heightM};
}

AntennaHeights lowestAntennaHeightWithOneFixed(const TerrainProfile& profile, StationLevels levels,
                                               double frequencyGHz,
                                               const std::vector<ClearanceRule>& rules,
                                               FixedStation fixed, double fixedHeightM) {
    // Seen from the fixed tip, the line pivots: at share s of the way to the free end it stands
    // at fixedTip + (freeTip - fixedTip) · s, so freeTip >= fixedTip + (need - fixedTip) / s.
    const bool oneFixed = fixed == FixedStation::Station1;
    const double fixedTipM = (oneFixed ? levels.station1M : levels.station2M) + fixedHeightM;
    const double freeLevelM = oneFixed ? levels.station2M : levels.station1M;
    double freeHeightM = 0.0;
    forEachNeed(profile, frequencyGHz, rules, [&](double share, double needM) {
        const double towardFree = oneFixed ? share : 1.0 - share;
        const double freeTipM = fixedTipM + (needM - fixedTipM) / towardFree;
        freeHeightM = std::max(freeHeightM, freeTipM - freeLevelM);
    });
    return oneFixed ? AntennaHeights{fixedHeightM, freeHeightM}
                    : AntennaHeights{freeHeightM, fixedHeightM};
}

} // namespace korvel
