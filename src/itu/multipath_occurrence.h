#pragma once
// Percentage of the average worst month a fade depth is exceeded, deep-fade tail (ITU-R P.530
// §2.3.1), by the -17 edition (dN1 and s_a) and the -18 edition (LogK, dN75 and the clearance
// h_c). Both give p_w(A) = p0·10^(−A/10); p0, the occurrence factor at A = 0, may exceed 100 %.

#include <optional>

#include "itu/figure.h"
#include "itu/hop_geometry.h"

namespace korvel::itu {

// Multipath need only be predicted from this length up, km.
inline constexpr double kMultipathShortestHopKm = 5.0;
inline constexpr double kP530v17HighestGHz = 37.0;
inline constexpr double kP530v18HighestGHz = 45.0;

struct MultipathOccurrence {
    std::optional<double> K; // geoclimatic factor
    bool quick = false;      // -17 without s_a: the quick-planning K and p_w
    Figure p0Pct;            // no number outside the method's range
};

// dN1 in N-units/km (negative), s_a in m or none for quick planning. Refused: s_a below 0,
// hops shorter than 5 km and frequencies outside 15/d..37 GHz. Outside the data the method was
// fitted to (d, |ε_p|, h_L, dN1, s_a) the number comes with a note.
MultipathOccurrence p530v17Occurrence(const HopGeometry& hop, double dN1, std::optional<double> sa,
                                      Notes& notes);

// h_c = (h_e + h_r)/2 − d²/102 − h_t, m, from the mean terrain height h_t (m above sea level).
double clearanceHeightM(const HopGeometry& hop, double meanTerrainM);

// LogK (log10 of K), dN75 in N-units, h_c in m. Refused: dN75 below 0, hops shorter than 5 km and
// frequencies outside 15/d..45 GHz. h_c < 0 adds a warning.
MultipathOccurrence p530v18Occurrence(const HopGeometry& hop, double logK, double dN75, double hcM,
                                      Notes& notes);

// p_w = p0·10^(−A/10), % of the worst month.
double deepFadePct(double p0Pct, double fadeDepthDb);

} // namespace korvel::itu
