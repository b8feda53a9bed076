#pragma once
// The study of a hop's profile that the Profile window shows and korvel-cli prints: the analysis
// for the k drawn, whether each rule holds at the present heights, and the lowest antenna heights
// meeting every rule, rounded up to the decimetre the Form page keeps so that a height shown or
// applied still meets its rules.

#include <optional>
#include <string>
#include <vector>

#include "geo/antenna_heights.h"
#include "geo/clearance_rules.h"
#include "geo/hop_sites.h"
#include "geo/profile_analysis.h"

namespace korvel {

struct HopRecord;

// The hop as the study sees it: its own station heights, antenna heights and frequency.
struct StudiedHop {
    StationLevels stations;
    AntennaHeights antennas;
    double frequencyGHz = 0.0;
    // Space diversity: the diversity antenna stands this far below antenna 2 at station 2.
    std::optional<double> diversitySpacingM;
};

// The path from antenna 1 to the diversity antenna, under the diversity antenna's own rule.
struct DiversityStudy {
    ClearanceRule rule;
    double antennaM = 0.0; // its height above station 2: antenna 2's less the spacing
    bool ruleMet = false;
    double lowestM = 0.0; // the lowest height meeting its rule with antenna 1 kept; may be inf
};

StudiedHop studiedHop(const HopRecord& record);

struct ProfileStudy {
    ProfileAnalysis analysis;   // for the k drawn
    std::vector<bool> rulesMet; // one per rule, at the present heights
    AntennaHeights lowestEqual; // both antennas equally high
    // With one end kept at its present height, the other found; only when an end is fixed.
    std::optional<AntennaHeights> lowestWithFixedEnd;
    std::optional<DiversityStudy> diversity; // a space-diversity hop given a diversity rule
};

// The end kept at its height: station 1 or 2; nothing for 0 (both antennas equally high).
std::optional<FixedStation> fixedEndOf(int station);

// The profile must keep profileFault's rules; frequencyGHz > 0, k > 0.
ProfileStudy studyProfile(const TerrainProfile& profile, const StudiedHop& hop, double k,
                          const std::vector<ClearanceRule>& rules,
                          std::optional<FixedStation> fixed = std::nullopt,
                          std::optional<ClearanceRule> diversityRule = std::nullopt);

// A hop without a terrain profile seen over level ground: the straight line between its
// stations' heights from 0 to pathKm, in `points` points (at least 2). pathKm > 0.
TerrainProfile levelGroundProfile(double pathKm, StationLevels levels, int points = 101);

// A height rounded up to the next decimetre; a height a float's hair above one stays there.
double upToDecimetre(double heightM);

// Says that the study counts from the hop's station heights when a site's ground elevation is
// another to the decimetre: "the study uses the hop's station heights, not the sites' ground
// elevations: station 1 100.0 m (site 120.0 m)". Nothing when they agree or there are no sites.
std::optional<std::string> stationHeightsNote(const HopRecord& record, const HopSites& sites);

} // namespace korvel
