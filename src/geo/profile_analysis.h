#pragma once
// A profile seen from the antennas: at every point the earth bulge for k, the line of sight
// between the antenna tips, the first Fresnel zone radius and the clearance, the worst point,
// and whether each clearance rule holds.

#include <cstddef>
#include <optional>
#include <vector>

#include "geo/clearance_rules.h"
#include "geo/hop_sites.h"

namespace korvel {

// The antenna tips, m above sea level: a station's reference height plus its antenna height.
struct AntennaTips {
    double antenna1AltitudeM = 0.0;
    double antenna2AltitudeM = 0.0;
};

struct ProfileSample {
    double distanceKm = 0.0;
    double groundM = 0.0;
    double clutterM = 0.0;
    double bulgeM = 0.0;       // earth bulge for the analysis' k
    double lineOfSightM = 0.0; // m above sea level
    double f1M = 0.0;          // first Fresnel zone radius at the hop's frequency
    double clearanceM = 0.0;   // line of sight minus ground, clutter and bulge
};

struct WorstPoint {
    std::size_t index = 0;
    double clearanceF1 = 0.0; // the clearance as a multiple of F1 there
};

struct ProfileAnalysis {
    double pathKm = 0.0; // the distance of the last point
    std::vector<ProfileSample> samples;
    std::optional<WorstPoint> worst; // none when the profile has no point between the ends
};

// The profile must keep profileFault's rules; frequencyGHz > 0, k > 0.
ProfileAnalysis analyseProfile(const TerrainProfile& profile, AntennaTips tips, double frequencyGHz,
                               double k);

// Whether the line of sight clears every point between the ends by the rule (to a micrometre).
bool ruleMet(const TerrainProfile& profile, AntennaTips tips, double frequencyGHz,
             const ClearanceRule& rule);

// ruleMet of each rule, in one pass that ends once every rule has failed.
std::vector<bool> rulesMet(const TerrainProfile& profile, AntennaTips tips, double frequencyGHz,
                           const std::vector<ClearanceRule>& rules);

} // namespace korvel
