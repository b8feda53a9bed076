#include "geo/path_geometry.h"

#include <cmath>

namespace korvel {

namespace {
// The wavelength in m at 1 GHz (the speed of light over 10^9 Hz): λ(m) = 0.299792458 / f(GHz).
constexpr double kWavelengthMetresAtOneGHz = 0.299792458;
} // namespace

double earthBulgeM(double d1Km, double d2Km, double k) {
    return d1Km * d2Km / (2.0 * k * kEarthRadiusKm) * kMetresPerKm;
}

double firstFresnelRadiusM(double d1Km, double d2Km, double frequencyGHz) {
    const double pathKm = d1Km + d2Km;
    if (d1Km <= 0.0 || d2Km <= 0.0 || pathKm <= 0.0) {
        return 0.0;
    }
    const double wavelengthM = kWavelengthMetresAtOneGHz / frequencyGHz;
    return std::sqrt(wavelengthM * (d1Km * d2Km / pathKm) * kMetresPerKm);
}

double lineOfSightM(double h1M, double h2M, double distanceKm, double pathKm) {
    return h1M + (h2M - h1M) * (distanceKm / pathKm);
}

double clearanceM(double lineOfSightHeightM, double groundM, double clutterM, double bulgeM) {
    return lineOfSightHeightM - (groundM + clutterM + bulgeM);
}

} // namespace korvel
