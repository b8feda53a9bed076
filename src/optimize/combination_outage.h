#pragma once
// Outage of one antenna and feeder combination: the hop's link budget, fading outage and
// diversity improvement run again with the combination's gains and feeder losses in place of the
// hop's own. Everything that does not depend on the combination is prepared once per search.

#include "engine/fading.h"
#include "engine/hop_record.h"
#include "engine/math_guard.h"

namespace korvel {

struct CombinationContext {
    HopRecord record;              // the hop's inputs as the search found them
    double pathLossDb = 0;         // free-space loss with gaseous absorption, dB
    double geoclimaticFactor = 0;  // K
    OutageFactors outageFactors;   // the method's powers of d, f, inclination (and grazing)
    double selectiveOutagePct = 0; // selective outage, %: the same for every combination
    double distanceTerm = 0;       // d^0.48 of the space diversity improvement
    double frequencyTerm = 0;      // f^-0.12 of the space diversity improvement
    double occurrenceTerm = 0;     // p0^-1.04 of the space diversity improvement
};

// Prepares the factors with the hop calculation's own formulas. Method 2 needs the grazing
// angle (mrad), which the caller has found above the obstruction limit; method 1 ignores it.
CombinationContext makeCombinationContext(const HopState& hop, double grazingAngleMrad,
                                          MathGuard& guard);

// A combination is only accepted with a flat margin above this, dB.
inline constexpr double kMinimumCombinationMarginDb = 12.0;
// What a rejected combination comes back with.
inline constexpr double kRejectedOutagePct = 50.0;
inline constexpr double kRejectedSpacingM = 15.0;
// The space diversity spacing chosen lies within these, m.
inline constexpr double kMinimumSpacingM = 5.0;
inline constexpr double kMaximumSpacingM = 15.0;

struct CombinationOutage {
    double outagePct = 0; // % of the worst month, with diversity when the hop has it
    double spacingM = 0;  // space diversity: the spacing chosen, m; otherwise as passed in
};

// What a combination's antennas and feeders give before the diversity antenna is chosen: the
// search tries every diversity antenna with the same margin.
struct CombinationMargin {
    bool rejected = false; // a flat margin of 12 dB or less
    double marginDb = 0;   // flat fade margin, dB
    double flatPct = 0;    // flat outage, %
};
CombinationMargin combinationMargin(const CombinationContext& context, double gain1Dbi,
                                    double gain2Dbi, double feeder1LossDbPer100m,
                                    double feeder2LossDbPer100m);
// The outage with the diversity antenna; `gainMaxDbi` is the larger of the two main gains.
CombinationOutage combinationOutage(const CombinationContext& context,
                                    const CombinationMargin& margin, double gainMaxDbi,
                                    double diversityGainDbi, double spacingM);

// Gains in dBi, feeder losses in dB per 100 m, spacing in m (kept unless the hop has space
// diversity or the combination is rejected). Any values: a flat margin of 12 dB or less, or a
// space diversity improvement that cannot reach the objective, gives kRejectedOutagePct and
// kRejectedSpacingM. The context must come from a hop the calculation accepts (hop length from
// 0.1 km, channel spacing from 0.00001 GHz with frequency diversity), as the search's callers
// make sure.
CombinationOutage combinationOutage(const CombinationContext& context, double gain1Dbi,
                                    double gain2Dbi, double feeder1LossDbPer100m,
                                    double feeder2LossDbPer100m, double diversityGainDbi,
                                    double spacingM);

} // namespace korvel
