#pragma once
// Link budget formulas shared by the hop calculation and the combination search.

#include "engine/hop_record.h"
#include "engine/math_guard.h"

namespace korvel {

// Gain of a parabolic antenna in dBi, rounded to 0.1 dB through one-decimal formatting so that
// the stored gain equals the value shown. Diameter in m, frequency in GHz; 0 when either is 0 or
// less.
double antennaGainDbi(double diameterM, double frequencyGHz);

// Specific attenuations in dB/km; frequency in GHz, water vapour density in g/m3 (0 or more).
// Defined for every frequency (no pole on the real axis); the fits hold from 10 GHz, where the
// path loss starts to use them, up to the 57 GHz that the OTHER radio's dialog accepts below.
double oxygenAttenuation(double frequencyGHz);
double waterVapourAttenuation(double frequencyGHz, double waterVapourDensity);

// Free-space loss (constant 92.5) plus gaseous absorption from 10 GHz up, dB. Hop length in km
// and frequency in GHz, both above 0. A length or frequency of 0 takes log10 as 1.0 and a
// negative one takes log10 of its magnitude; either records the guard's message.
double pathLossDb(double hopLengthKm, double frequencyGHz, double waterVapourDensity,
                  MathGuard& guard);
// The same loss from the two logarithms, for a caller that keeps them.
double pathLossFromLogsDb(double lengthLog10, double frequencyLog10, double hopLengthKm,
                          double frequencyGHz, double waterVapourDensity);

} // namespace korvel
