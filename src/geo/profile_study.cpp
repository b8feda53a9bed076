#include "geo/profile_study.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/hop_record.h"
#include "engine/number_text.h"

namespace korvel {

namespace {

// Below this, in decimetres, a height counts as the decimetre itself: noise of the search.
constexpr double kDecimetreNoise = 1e-9;
// A height this close under the lowest found still meets the rule: the search's rounding.
constexpr double kHeightToleranceM = 1e-6;

AntennaTips tipsOf(const StudiedHop& hop) {
    return {hop.stations.station1M + hop.antennas.antenna1M,
            hop.stations.station2M + hop.antennas.antenna2M};
}

void roundUpFreeEnd(AntennaHeights& heights, FixedStation fixed) {
    double& freeM = fixed == FixedStation::Station1 ? heights.antenna2M : heights.antenna1M;
    freeM = upToDecimetre(freeM);
}

DiversityStudy studyDiversity(const TerrainProfile& profile, const StudiedHop& hop,
                              const ClearanceRule& rule) {
    DiversityStudy diversity;
    diversity.rule = rule;
    diversity.antennaM = hop.antennas.antenna2M - *hop.diversitySpacingM;
    const double lowestM =
        lowestAntennaHeightWithOneFixed(profile, hop.stations, hop.frequencyGHz, {rule},
                                        FixedStation::Station1, hop.antennas.antenna1M)
            .antenna2M;
    // The lowest height that meets the rule tells whether the present one does: one pass less.
    diversity.ruleMet = diversity.antennaM >= lowestM - kHeightToleranceM;
    diversity.lowestM = upToDecimetre(lowestM);
    return diversity;
}

} // namespace

StudiedHop studiedHop(const HopRecord& record) {
    StudiedHop hop{{record.station1HeightM, record.station2HeightM},
                   {record.antenna1HeightM, record.antenna2HeightM},
                   record.frequencyGHz,
                   std::nullopt};
    if (record.diversityMode == DiversityMode::Space) {
        hop.diversitySpacingM = record.antennaSpacingM;
    }
    return hop;
}

std::optional<FixedStation> fixedEndOf(int station) {
    if (station == 0) {
        return std::nullopt;
    }
    return station == 1 ? FixedStation::Station1 : FixedStation::Station2;
}

TerrainProfile levelGroundProfile(double pathKm, StationLevels levels, int points) {
    const int count = std::max(points, 2);
    TerrainProfile profile;
    profile.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double share = static_cast<double>(i) / (count - 1);
        profile.push_back({share * pathKm,
                           levels.station1M + share * (levels.station2M - levels.station1M), 0.0,
                           false});
    }
    return profile;
}

double upToDecimetre(double heightM) {
    return std::ceil(heightM * 10.0 - kDecimetreNoise) / 10.0;
}

ProfileStudy studyProfile(const TerrainProfile& profile, const StudiedHop& hop, double k,
                          const std::vector<ClearanceRule>& rules,
                          std::optional<FixedStation> fixed,
                          std::optional<ClearanceRule> diversityRule) {
    const AntennaTips tips = tipsOf(hop);
    ProfileStudy study;
    study.analysis = analyseProfile(profile, tips, hop.frequencyGHz, k);
    study.rulesMet = rulesMet(profile, tips, hop.frequencyGHz, rules);
    AntennaHeights equal;
    if (fixed) {
        const bool oneFixed = *fixed == FixedStation::Station1;
        const LowestAntennaHeights both =
            lowestAntennaHeights(profile, hop.stations, hop.frequencyGHz, rules, *fixed,
                                 oneFixed ? hop.antennas.antenna1M : hop.antennas.antenna2M);
        equal = both.equal;
        study.lowestWithFixedEnd = both.withFixedEnd;
        roundUpFreeEnd(*study.lowestWithFixedEnd, *fixed);
    } else {
        equal = lowestEqualAntennaHeights(profile, hop.stations, hop.frequencyGHz, rules);
    }
    const double equalM = upToDecimetre(equal.antenna1M);
    study.lowestEqual = {equalM, equalM};
    if (diversityRule && hop.diversitySpacingM) {
        study.diversity = studyDiversity(profile, hop, *diversityRule);
    }
    return study;
}

std::optional<std::string> stationHeightsNote(const HopRecord& record, const HopSites& sites) {
    const std::array<double, 2> hopM{record.station1HeightM, record.station2HeightM};
    std::string differ;
    for (std::size_t i = 0; i < hopM.size(); ++i) {
        const auto& site = sites.stations[i];
        if (!site || std::round(site->groundElevationM * 10.0) == std::round(hopM[i] * 10.0)) {
            continue;
        }
        differ += (differ.empty() ? "" : "; ") + formatNumbers("station %d %.1f m (site %.1f m)",
                                                               static_cast<int>(i + 1), hopM[i],
                                                               site->groundElevationM);
    }
    if (differ.empty()) {
        return std::nullopt;
    }
    return "the study uses the hop's station heights, not the sites' ground elevations: " + differ;
}

} // namespace korvel
