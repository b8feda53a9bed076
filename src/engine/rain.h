#pragma once
// Rain unavailability: the percentages of time for which rain attenuation exceeds the flat
// fading margin.

#include "engine/hop_record.h"

namespace korvel {

struct RainOutage {
    double annualPct = 0;
    double worstMonthPct = 0;
};

// Frequency in GHz, hop length in km, flat fading margin in dB, rain rate in mm/h.
RainOutage rainOutage(double frequencyGHz, double hopLengthKm, double flatMarginDb,
                      double rainRateMmH, Polarization polarization);

} // namespace korvel
