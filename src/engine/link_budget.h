#pragma once
// Link budget formulas shared by the hop calculation and the combination search.

#include "engine/hop_record.h"
#include "engine/math_guard.h"

namespace korvel {

// Gain of a parabolic antenna in dBi, rounded to 0.1 dB through one-decimal formatting so that
// the stored gain equals the value shown. 0 when the diameter (m) or frequency (GHz) is <= 0.
double antennaGainDbi(double diameterM, double frequencyGHz);

// Specific attenuations in dB/km; frequency in GHz, water vapour density in g/m3.
double oxygenAttenuation(double frequencyGHz);
double waterVapourAttenuation(double frequencyGHz, double waterVapourDensity);

// Free-space loss (constant 92.5) plus gaseous absorption from 10 GHz up, dB.
// Hop length in km, frequency in GHz.
double pathLossDb(double hopLengthKm, double frequencyGHz, double waterVapourDensity,
                  MathGuard& guard);

} // namespace korvel
