#pragma once
// Clearance rules: "the line of sight clears every point of the profile by at least c × F1 when
// the earth bulges for the effective earth radius factor k". A planner keeps several at once
// (one at the median k, one at the small k of the worst hours) and the antennas must meet all.
//
// The sets offered follow the procedure for path clearance of ITU-R Recommendation P.530
// (section 2.2.2.1, "planning criteria for path clearance", for a hop without diversity):
//   step 1: 1.0 F1 at the median k (4/3 when nothing better is known), in every climate;
//   step 2: ke, the k exceeded for about 99.9 % of the worst month, read off the
//           Recommendation's figure of ke against path length (continental temperate climate);
//   step 3: at ke, in a temperate climate 0.0 F1 (grazing) over a single isolated obstruction
//           and 0.3 F1 over an obstruction extended along a portion of the path; in a tropical
//           climate 0.6 F1 for paths longer than about 30 km;
//   step 4: the antennas take the larger heights of steps 1 and 3.
// The lower antenna of a space-diversity pair keeps a rule of its own at the median k (the
// Recommendation's section 2.2.2.2): 0.6 F1 over an obstruction extended along the path or in a
// tropical climate, 0.3 F1 over isolated obstacles, the upper ends of its ranges.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "geo/site_ranges.h"

namespace korvel {

// The k a bulge may be drawn for: from strong sub-refraction to a flat earth (1e9).
inline constexpr PhysicalRange kEarthRadiusFactorRange{0.1, 1e9};
// The share of the first Fresnel zone a rule may ask to keep clear.
inline constexpr PhysicalRange kClearanceFractionRange{0.0, 5.0};

struct ClearanceRule {
    double c = 1.0;       // fraction of the first Fresnel zone radius to keep clear; may be 0
    double k = 4.0 / 3.0; // effective earth radius factor, > 0
};

// ke, the effective earth radius factor exceeded for about 99.9 % of the worst month on a path
// `pathKm` long: the figure's curve read at 10, 20, 30, 50, 100 and 200 km, interpolated
// linearly in the logarithm of the length, and held at its end values outside 10 to 200 km.
double earthRadiusFactor999(double pathKm);

enum class ClearanceRuleSet {
    TemperateIsolatedObstacle, // 1.0 F1 at 4/3, 0.0 F1 at ke
    TemperateExtendedObstacle, // 1.0 F1 at 4/3, 0.3 F1 at ke
    Tropical,                  // 1.0 F1 at 4/3, 0.6 F1 at ke
};

// A set offered: 1.0 F1 at the median k and keFraction × F1 at ke. The Profile window lists
// the sets and korvel-cli's --rule-set takes them from this one table.
struct ClearanceRuleSetEntry {
    ClearanceRuleSet set;
    std::string_view name;        // as --rule-set takes it
    std::string_view description; // as the Profile window lists it
    double keFraction;
    double diversityFraction; // the lower (diversity) antenna's c at the median k
};

// The default first.
inline constexpr std::array<ClearanceRuleSetEntry, 3> kClearanceRuleSets{{
    {ClearanceRuleSet::TemperateExtendedObstacle, "temperate-extended",
     "Temperate, obstacle along the path: 1.0 F1 at 4/3, 0.3 F1 at ke", 0.3, 0.6},
    {ClearanceRuleSet::TemperateIsolatedObstacle, "temperate-isolated",
     "Temperate, single isolated obstacle: 1.0 F1 at 4/3, 0.0 F1 at ke", 0.0, 0.3},
    {ClearanceRuleSet::Tropical, "tropical", "Tropical: 1.0 F1 at 4/3, 0.6 F1 at ke", 0.6, 0.6},
}};

// The entry named `name`; nothing for a name the table does not hold.
std::optional<ClearanceRuleSetEntry> clearanceRuleSetNamed(std::string_view name);

// The rules of a set for a path `pathKm` long; `medianK` replaces 4/3 where the planner knows
// the local median.
std::vector<ClearanceRule> clearanceRules(ClearanceRuleSet set, double pathKm,
                                          double medianK = 4.0 / 3.0);

// The rule of a set for the space-diversity antenna.
ClearanceRule diversityClearanceRule(ClearanceRuleSet set, double medianK = 4.0 / 3.0);

// An effective earth radius factor written as a number or a fraction such as "4/3" within
// kEarthRadiusFactorRange, or "ke" for earthRadiusFactor999 of the path. Nothing when the text
// is none of these.
std::optional<double> parseEarthRadiusFactor(std::string_view text, double pathKm);

// A rule written "c@k": c a number within kClearanceFractionRange and k as
// parseEarthRadiusFactor reads it.
std::optional<ClearanceRule> parseClearanceRule(std::string_view text, double pathKm);

} // namespace korvel
