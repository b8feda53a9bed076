#pragma once
// Free-space basic transmission loss (ITU-R P.525).

namespace korvel::itu {

inline constexpr double kSpeedOfLightMPerS = 299792458.0;

// 20·log10(4π·d·f/c), dB; hop length in km and frequency in GHz, both above 0.
double freeSpaceLossDb(double hopLengthKm, double frequencyGHz);

} // namespace korvel::itu
