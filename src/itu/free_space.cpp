#include "itu/free_space.h"

#include <cmath>
#include <numbers>

namespace korvel::itu {

double freeSpaceLossDb(double hopLengthKm, double frequencyGHz) {
    const double metres = hopLengthKm * 1e3;
    const double hertz = frequencyGHz * 1e9;
    return 20.0 * std::log10(4.0 * std::numbers::pi * metres * hertz / kSpeedOfLightMPerS);
}

} // namespace korvel::itu
