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

// The line rises by the same height a at both ends, so it rises by a at every point.
struct EqualSearch {
    StationLevels levels;
    double heightM = 0.0;
    void see(double share, double needM) {
        const double lineM = levels.station1M + (levels.station2M - levels.station1M) * share;
        heightM = std::max(heightM, needM - lineM);
    }
    [[nodiscard]] AntennaHeights found() const { return {heightM, heightM}; }
};

// Seen from the fixed tip, the line pivots: at share s of the way to the free end it stands at
// fixedTip + (freeTip - fixedTip) · s, so freeTip >= fixedTip + (need - fixedTip) / s.
struct FixedEndSearch {
    FixedEndSearch(StationLevels levels, FixedStation fixed, double fixedHeightM)
        : oneFixed(fixed == FixedStation::Station1), fixedM(fixedHeightM),
          fixedTipM((oneFixed ? levels.station1M : levels.station2M) + fixedHeightM),
          freeLevelM(oneFixed ? levels.station2M : levels.station1M) {}
    void see(double share, double needM) {
        const double towardFree = oneFixed ? share : 1.0 - share;
        const double freeTipM = fixedTipM + (needM - fixedTipM) / towardFree;
        freeHeightM = std::max(freeHeightM, freeTipM - freeLevelM);
    }
    [[nodiscard]] AntennaHeights found() const {
        return oneFixed ? AntennaHeights{fixedM, freeHeightM} : AntennaHeights{freeHeightM, fixedM};
    }
    bool oneFixed;
    double fixedM;
    double fixedTipM;
    double freeLevelM;
    double freeHeightM = 0.0;
};

} // namespace

AntennaHeights lowestEqualAntennaHeights(const TerrainProfile& profile, StationLevels levels,
                                         double frequencyGHz,
                                         const std::vector<ClearanceRule>& rules) {
    EqualSearch equal{levels};
    forEachNeed(profile, frequencyGHz, rules,
                [&](double share, double needM) { equal.see(share, needM); });
    return equal.found();
}

AntennaHeights lowestAntennaHeightWithOneFixed(const TerrainProfile& profile, StationLevels levels,
                                               double frequencyGHz,
                                               const std::vector<ClearanceRule>& rules,
                                               FixedStation fixed, double fixedHeightM) {
    FixedEndSearch search(levels, fixed, fixedHeightM);
    forEachNeed(profile, frequencyGHz, rules,
                [&](double share, double needM) { search.see(share, needM); });
    return search.found();
}

LowestAntennaHeights lowestAntennaHeights(const TerrainProfile& profile, StationLevels levels,
                                          double frequencyGHz,
                                          const std::vector<ClearanceRule>& rules,
                                          FixedStation fixed, double fixedHeightM) {
    EqualSearch equal{levels};
    FixedEndSearch search(levels, fixed, fixedHeightM);
    forEachNeed(profile, frequencyGHz, rules, [&](double share, double needM) {
        equal.see(share, needM);
        search.see(share, needM);
    });
    return {equal.found(), search.found()};
}

} // namespace korvel
