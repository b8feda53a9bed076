#pragma once
// Specific attenuation of dry air and water vapour by the line-by-line sum (ITU-R P.676-13
// Annex 1), for a terrestrial path at one height.

namespace korvel::itu {

struct Atmosphere {
    double dryPressureHPa = 1013.25;
    double temperatureK = 288.15;
    double waterVapourDensityGM3 = 7.5;
};

// The method's frequency range, GHz.
inline constexpr double kGasMinimumFrequencyGHz = 1.0;
inline constexpr double kGasMaximumFrequencyGHz = 1000.0;

struct GasAttenuation {
    double oxygenDbPerKm = 0;      // γ_o
    double waterVapourDbPerKm = 0; // γ_w
    double totalDbPerKm() const { return oxygenDbPerKm + waterVapourDbPerKm; }
};

// Frequency in GHz within 1..1000 (the sum is defined beyond, but not validated there).
// Pressure, temperature and density above 0.
GasAttenuation gasAttenuation(double frequencyGHz, const Atmosphere& atmosphere);

// The same at the standard atmosphere (1013.25 hPa, 288.15 K, 7.5 g/m³), from line strengths
// and widths worked out once.
GasAttenuation standardGasAttenuation(double frequencyGHz);

} // namespace korvel::itu
