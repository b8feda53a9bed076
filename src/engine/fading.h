#pragma once
// Fading outage building blocks (ITU-R P.530 method 1 and 2), shared by the hop calculation and
// the combination search so both use the same branches and constants.

#include "engine/hop_record.h"
#include "engine/math_guard.h"

namespace korvel {

// cLat, dB: 0 below 53 degrees, rising to 0.7 at 60 and above. Any latitude in degrees.
double latitudeTermDb(double latitudeDeg);
// cLon, dB: 0.3, -0.3 or 0 by hemisphere and longitude in degrees. Any longitude.
double longitudeTermDb(EastWest eastWest, double longitudeDeg);
// Constant a of the geoclimatic factor; altitudes in m above sea level, any value. A land type
// other than the two waters counts as land.
double geoclimaticConstant(Method method, LandType landType, double altitude1M, double altitude2M);
// K = 10^(-(a - cLat - cLon)) * pL^1.5, with pL in % from 0 (the Basics page accepts 0 to 100).
// A negative pL makes its power 1.0 with the guard's message.
double geoclimaticFactor(const HopRecord& record, MathGuard& guard);
// Its two powers: 10^(-(a - cLat - cLon)), and pL^1.5 (1.0 with the guard's message below 0).
double geoclimaticClimateTerm(const HopRecord& record, MathGuard& guard);
// The exponent -(a - cLat - cLon) of the first.
double geoclimaticExponent(const HopRecord& record);
double timePercentageTerm(double pLPct, MathGuard& guard);
// Path inclination in mrad from the antenna altitudes (m) over the hop length (km, above 0;
// the pages refuse lengths below 0.1 km, at 0 the result is infinite or not a number).
double pathInclinationMrad(const HopRecord& record);
// Grazing angle in mrad (method 2) from the antenna heights above their stations (m) and the
// hop length (km, above 0). Heights that add up to 0 or less give 0: no clearance at all.
double grazingAngleMrad(const HopRecord& record, MathGuard& guard);

// The per-method factors of the outage formula that do not depend on the margin.
struct OutageFactors {
    double distance = 0;    // d^3.6 (method 1) or d^3.3 (method 2)
    double frequency = 0;   // f^0.89 or f^0.93
    double inclination = 0; // (1 + ep)^-1.4 or (1 + ep)^-1.1
    double grazing = 1;     // phi^-1.2, method 2 only
};
// The exponents of those factors by method; method 1 has no grazing factor (it stays 1).
struct OutageExponents {
    double distance = 0;
    double frequency = 0;
    double inclination = 0;
    double grazing = 0;
};
constexpr OutageExponents outageExponents(Method method) {
    if (method == Method::Method1) {
        return {3.6, 0.89, -1.4, 0.0};
    }
    return {3.3, 0.93, -1.1, -1.2};
}
// Hop length and frequency above 0, and for method 2 a grazing angle above 0 (the calculation
// stops at 0.2 mrad and below). A negative base makes its power 1.0 with the guard's message; a
// base of 0 gives 0 (or, for the grazing angle, infinity) without one.
OutageFactors outageFactors(const HopRecord& record, double grazingAngleMrad, MathGuard& guard);
// Outage in % of the worst month for a fade margin in dB (any value; the smaller the margin the
// larger the outage, without bound): K * 10^(-0.1 M) * the factors.
double fadingOutagePct(double geoclimaticFactor, double marginDb, const OutageFactors& factors,
                       MathGuard& guard);
// p0^-1.04 of the space diversity improvement, p0 the multipath occurrence as a fraction: the
// flat outage brought back to zero fade depth, which leaves K and the factors alone. Taken from
// them rather than from the outage, so that it needs no margin and the same path gives it bit
// for bit to the hop calculation and to the combination search.
double multipathOccurrenceTerm(double geoclimaticFactor, const OutageFactors& factors,
                               MathGuard& guard);
// The rest of that improvement's exponent, c s^0.87 f^-0.12 d^0.48, the spacing s (m) at most
// 25 m: the hop calculation and the combination search take its numbers from here.
struct SpaceDiversityExponents {
    double coefficient = -0.000334;
    double spacing = 0.87;
    double frequency = -0.12;
    double length = 0.48;
    double maxSpacingM = 25.0;
};
inline constexpr SpaceDiversityExponents kSpaceDiversity{};

// Selective fading margin of the hop for selective fading Standard, dB, from the margin at
// 42.5 km (dB) and the hop length (km, above 0): never below 0. A length of 0 gives infinity
// and a negative one no number; the pages and the tool refuse lengths below 0.1 km before.
double hopSelectiveMargin(double msmRefDb, double hopLengthKm);

} // namespace korvel
