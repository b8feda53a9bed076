#include "itu/diversity_improvement.h"

#include <cmath>

namespace korvel::itu {

double spaceDiversityImprovement(double spacingM, double frequencyGHz, double hopLengthKm,
                                 double p0Pct, double fadeDepthDb, double gainDifferenceDb,
                                 Notes& notes) {
    if (hopLengthKm < 43.0 || hopLengthKm > 240.0 || frequencyGHz < 2.0 || frequencyGHz > 11.0 ||
        spacingM < 3.0 || spacingM > 23.0)
        notes.add("space diversity outside its fitted data (43–240 km, 2–11 GHz, 3–23 m)");
    const double spread = 0.04 * std::pow(spacingM, 0.87) * std::pow(frequencyGHz, -0.12) *
                          std::pow(hopLengthKm, 0.48) * std::pow(p0Pct, -1.04);
    return (1.0 - std::exp(-spread)) * std::pow(10.0, (fadeDepthDb - gainDifferenceDb) / 10.0);
}

double frequencyDiversityImprovement(double frequencyGHz, double hopLengthKm, double separationGHz,
                                     double fadeMarginDb, Notes& notes) {
    if (hopLengthKm < 30.0 || hopLengthKm > 70.0 || frequencyGHz < 2.0 || frequencyGHz > 11.0 ||
        separationGHz / frequencyGHz > 0.05)
        notes.add("frequency diversity outside its fitted data (30–70 km, 2–11 GHz, Δf/f ≤ 5 %)");
    return 80.0 / (frequencyGHz * hopLengthKm) * (separationGHz / frequencyGHz) *
           std::pow(10.0, fadeMarginDb / 10.0);
}

} // namespace korvel::itu
