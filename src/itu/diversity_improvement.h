#pragma once
// Improvement of the non-selective outage by diversity (ITU-R P.530, diversity techniques).
// Outside the data the factors were fitted to the number comes with a note.

#include "itu/figure.h"

namespace korvel::itu {

// Space diversity, narrow-band:
// I = [1 − exp(−0.04·S^0.87·f^−0.12·d^0.48·p0^−1.04)]·10^((A − V)/10).
// Spacing S in m (above 0), f GHz, d km, p0 in % (above 0), fade depth A and gain difference V
// (dB, 0 or more) between station 2's main antenna and its diversity antenna.
double spaceDiversityImprovement(double spacingM, double frequencyGHz, double hopLengthKm,
                                 double p0Pct, double fadeDepthDb, double gainDifferenceDb,
                                 Notes& notes);

// Frequency diversity (1+1): I = (80/(f·d))·(Δf/f)·10^(F/10); Δf and f in GHz, d km, F dB.
double frequencyDiversityImprovement(double frequencyGHz, double hopLengthKm, double separationGHz,
                                     double fadeMarginDb, Notes& notes);

} // namespace korvel::itu
