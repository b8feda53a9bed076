#pragma once
// The geometry of a radio path over the earth, written once with its units: the earth bulge for an
// effective earth radius factor k, the first Fresnel zone radius, the straight line between the
// antenna tips and the clearance under it. A point lies d1 km from station 1 and d2 km from
// station 2; d = d1 + d2 is the path length.

namespace korvel {

inline constexpr double kMetresPerKm = 1000.0;

// The mean earth radius, km, that the effective earth radius k × a scales.
inline constexpr double kEarthRadiusKm = 6371.0;

// The median effective earth radius factor of a standard atmosphere.
inline constexpr double kMedianEarthRadiusFactor = 4.0 / 3.0;

// Height of the earth bulge at the point, m: d1 · d2 / (2 · k · a), with d1, d2 and a in km
// and the result turned into metres. k > 0; d1, d2 >= 0.
double earthBulgeM(double d1Km, double d2Km, double k);

// Radius of the first Fresnel zone at the point, m: sqrt(λ · d1 · d2 / d), λ = c / f, that is
// 17.3 · sqrt(d1 · d2 / (f · d)) with d1, d2, d in km and f in GHz. Zero at either end and when
// d1 + d2 is zero. f > 0.
double firstFresnelRadiusM(double d1Km, double d2Km, double frequencyGHz);

// Height of the straight line between the antenna tips at the point, m above sea level, where
// the tips stand h1 and h2 m above sea level at 0 and `pathKm` km. pathKm > 0.
double lineOfSightM(double h1M, double h2M, double distanceKm, double pathKm);

// Clearance of the line of sight over the point, m: the line minus the ground, the clutter on it
// and the earth bulge. Negative when the line passes below the top of the obstacle.
double clearanceM(double lineOfSightHeightM, double groundM, double clutterM, double bulgeM);

} // namespace korvel
