#pragma once
// Long-term rain attenuation of a terrestrial hop and the time it exceeds a fade margin
// (ITU-R P.530 §2.4.1, identical in -17 and -18).

#include <optional>
#include <string_view>

#include "itu/rain_coefficients.h"

namespace korvel::itu {

// The percentages of time the attenuation law holds for, %.
inline constexpr double kRainLowestPct = 0.001;
inline constexpr double kRainHighestPct = 1.0;
// The distance factor never exceeds this.
inline constexpr double kRainDistanceFactorCap = 2.5;
// The longest hop the method was tested on, km; longer hops get a note, not a refusal.
inline constexpr double kRainTestedLengthKm = 60.0;
// The method's frequency range, GHz.
inline constexpr double kRainMethodMaximumGHz = 100.0;

struct RainAttenuation {
    double gammaDbPerKm = 0;      // γ_R = k·R^α
    double distanceFactor = 0;    // r, at most 2.5
    double effectiveLengthKm = 0; // r·d
    double a001Db = 0;            // attenuation exceeded for 0.01 % of the year
    double frequencyGHz = 0;
};

// R0.01 in mm/h (0 or more), hop length in km and frequency in GHz (both above 0).
RainAttenuation rainAttenuation(double r001MmH, RainCoefficients coefficients, double hopLengthKm,
                                double frequencyGHz);

// Attenuation exceeded for p % of the year, dB, for 0.001 ≤ p ≤ 1 (the caller keeps p there).
double rainAttenuationAtDb(const RainAttenuation& rain, double pct);

enum class RainBound { None, BelowLowest, AboveHighest };

// "below-0.001", "above-1", or empty.
std::string_view rainBoundName(RainBound bound);
// The bound as tables show it: "< 0.001", "> 1", or empty.
std::string_view rainBoundShown(RainBound bound);

// The annual % of time rain attenuation exceeds the margin, solved inside 0.001..1 %; outside it
// only the bound is given, the power law is never extrapolated.
struct RainOutage {
    std::optional<double> pct;
    RainBound bound = RainBound::None;
};
RainOutage rainOutageForMargin(const RainAttenuation& rain, double fadeMarginDb);

} // namespace korvel::itu
