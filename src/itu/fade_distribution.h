#pragma once
// Fade depths of every size from the occurrence factor p0 (ITU-R P.530 §2.3.2), and the worst
// month turned into the average year (§2.3.4). The same for the -17 and -18 editions.

#include "itu/figure.h"

namespace korvel::itu {

// The conversion factor ΔG never exceeds this, dB.
inline constexpr double kDeltaGCapDb = 10.8;

// % of the average worst month fade depth A (dB, 0 or more) is exceeded: the deep-fade tail from
// the transition depth A_t = 25 + 1.2·log10(p0) on, the interpolation above it. No number when
// the interpolation breaks down (p_t ≥ 100 %) or A < 0.
Figure allFadesWorstMonthPct(double p0Pct, double fadeDepthDb);

struct DeltaG {
    double db = 0;
    bool capped = false; // the formula gave more than 10.8 dB
};
// ΔG from the path latitude (degrees, either hemisphere), hop length (km) and |ε_p| (mrad).
DeltaG deltaG(double latitudeDeg, double hopLengthKm, double inclinationMrad);

// % of the average year fade depth A is exceeded, switching at A_t as the worst month does.
Figure allFadesAverageYearPct(double p0Pct, double fadeDepthDb, double deltaGDb);

} // namespace korvel::itu
