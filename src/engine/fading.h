#pragma once
// Fading outage building blocks (ITU-R P.530 method 1 and 2), shared by the hop calculation and
// the combination search so both use the same branches and constants.

#include "engine/hop_record.h"
#include "engine/math_guard.h"

namespace korvel {

double latitudeTermDb(double latitudeDeg);                      // cLat
double longitudeTermDb(EastWest eastWest, double longitudeDeg); // cLon
// Constant a of the geoclimatic factor; altitudes in m above sea level.
double geoclimaticConstant(Method method, LandType landType, double altitude1M, double altitude2M);
// K = 10^(-(a - cLat - cLon)) * pL^1.5
double geoclimaticFactor(const HopRecord& record, MathGuard& guard);
// Path inclination in mrad from the antenna altitudes.
double pathInclinationMrad(const HopRecord& record);
// Grazing angle in mrad (method 2) from the antenna heights above their stations.
double grazingAngleMrad(const HopRecord& record, MathGuard& guard);

// The per-method factors of the outage formula that do not depend on the margin.
struct OutageFactors {
    double distance = 0;    // d^3.6 (method 1) or d^3.3 (method 2)
    double frequency = 0;   // f^0.89 or f^0.93
    double inclination = 0; // (1 + ep)^-1.4 or (1 + ep)^-1.1
    double grazing = 1;     // phi^-1.2, method 2 only
};
OutageFactors outageFactors(const HopRecord& record, double grazingAngleMrad, MathGuard& guard);
// Outage in % of the worst month for a fade margin in dB: K * 10^(-0.1 M) * the factors.
double fadingOutagePct(double geoclimaticFactor, double marginDb, const OutageFactors& factors,
                       MathGuard& guard);

// Selective fading margin of the hop for selective fading Standard, dB.
double hopSelectiveMargin(double msmRefDb, double hopLengthKm);

} // namespace korvel
