#pragma once
// Rain unavailability: the percentages of time for which rain attenuation exceeds the flat
// fading margin.

#include <optional>

#include "engine/hop_record.h"

namespace korvel {

// The rain formulas hold from this frequency up; below it the program offers no rain
// calculation, GHz.
inline constexpr double kRainMinimumFrequencyGHz = 6.0;

// The hop's rain results when none was computed: a negative worst-month percentage leaves the
// rain lines out of the reports.
inline constexpr double kRainNotComputedPct = -1.0;

// The highest rain rate a hop keeps (its 16-bit field), mm/h.
inline constexpr double kMaxRainRateMmH = 32767.0;

struct RainOutage {
    double annualPct = kRainNotComputedPct;
    double worstMonthPct = kRainNotComputedPct;
};

// Frequency in GHz (from 6), hop length in km (above 0), flat fading margin in dB (above 0),
// rain rate in mm/h (0 or more; above 100 only the specific attenuation grows). Both results in
// percent of time, at least 10^(-0.546/0.086) % (about 4.5e-7 %), which is also what a rate of 0
// gives, and at most 100 %. Outside those ranges the formulas mean nothing, and both results are
// kRainNotComputedPct.
RainOutage rainOutage(double frequencyGHz, double hopLengthKm, double flatMarginDb,
                      double rainRateMmH, Polarization polarization);

// The least annual percentage the method gives (a margin far above the rain attenuation): a
// lower limit, not a result, %.
double rainLowerLimitPct();

// The rain attenuation exceeded for `annualPct` % of a year (above 0), dB: the fade margin that
// brings the annual unavailability down to it. Same ranges as rainOutage; outside them, or for
// a rate of 0, nothing.
std::optional<double> rainFadeDepthDb(double frequencyGHz, double hopLengthKm, double rainRateMmH,
                                      Polarization polarization, double annualPct);

} // namespace korvel
