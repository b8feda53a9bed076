#pragma once
// Coefficients of the specific rain attenuation γ_R = k·R^α (ITU-R P.838-3), for any
// polarization tilt and path elevation.

namespace korvel::itu {

inline constexpr double kRainCoefficientMinimumGHz = 1.0;
inline constexpr double kRainCoefficientMaximumGHz = 1000.0;

// Polarization tilt τ, degrees: horizontal 0, vertical 90, circular 45.
inline constexpr double kHorizontalTiltDeg = 0.0;
inline constexpr double kVerticalTiltDeg = 90.0;

struct RainCoefficients {
    double k = 0;
    double alpha = 0;
};

// Frequency in GHz (1..1000), path elevation and tilt in degrees.
RainCoefficients rainCoefficients(double frequencyGHz, double elevationDeg, double tiltDeg);

// Path elevation from the two antenna altitudes (m above sea level) and the hop length (km,
// above 0): atan(|h_r − h_e| / (1000·d)), degrees.
double pathElevationDeg(double altitude1M, double altitude2M, double hopLengthKm);

} // namespace korvel::itu
