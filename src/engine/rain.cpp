#include "engine/rain.h"

#include <algorithm>
#include <cmath>

namespace korvel {

namespace {

constexpr double kUpperBandFromGHz = 13.8;
constexpr double kDistanceFactorRateCapMmH = 100.0;
constexpr double kWholeTimePct = 100.0;

struct RainCoefficients {
    double k = 0;
    double alpha = 0;
};

// k and alpha of the specific attenuation k * R^alpha, fitted per band and polarization.
RainCoefficients rainCoefficients(double frequencyGHz, Polarization polarization) {
    const double L = std::log(frequencyGHz);
    const double L2 = L * L;
    const double Lm3 = 1.0 / (L2 * L);
    const double Lm5 = Lm3 / L2;
    const bool horizontal = polarization == Polarization::Horizontal;
    if (frequencyGHz < kUpperBandFromGHz) {
        if (horizontal) {
            return {std::exp(0.117 * L2 + 2.921 * L - 11.954),
                    7.32 / L - 1.001 - 12.211 * Lm3 + 6.389 * Lm5};
        }
        return {std::exp(0.281 * L2 + 2.23 * L - 11.361),
                7.137 / L - 1.016 - 10.348 * Lm3 + 1.797 * Lm5};
    }
    if (horizontal) {
        return {std::exp(4.365 * L - 12.76 - 0.324 * L2),
                13.81 / L - 1.761 - 62.77 * Lm3 + 142.0 * Lm5};
    }
    return {std::exp(4.1 * L - 12.39 - 0.288 * L2), 16.48 / L - 2.125 - 87.9 * Lm3 + 232.2 * Lm5};
}

// Attenuation exceeded for 0.01 % of the year, dB.
double attenuation001Db(double frequencyGHz, double hopLengthKm, double rainRateMmH,
                        Polarization polarization) {
    const RainCoefficients c = rainCoefficients(frequencyGHz, polarization);
    const double specificDbPerKm = c.k * std::pow(rainRateMmH, c.alpha);
    const double d0 = 35.0 * std::exp(-0.015 * std::min(rainRateMmH, kDistanceFactorRateCapMmH));
    const double effectiveKm = hopLengthKm / (1.0 + hopLengthKm / d0);
    return specificDbPerKm * effectiveKm;
}

} // namespace

double rainLowerLimitPct() {
    return std::pow(10.0, -0.546 / 0.086);
}

std::optional<double> rainFadeDepthDb(double frequencyGHz, double hopLengthKm, double rainRateMmH,
                                      Polarization polarization, double annualPct) {
    if (!(frequencyGHz >= kRainMinimumFrequencyGHz && hopLengthKm > 0.0 && rainRateMmH > 0.0 &&
          annualPct > 0.0)) {
        return std::nullopt;
    }
    const double lg = std::log10(annualPct);
    return attenuation001Db(frequencyGHz, hopLengthKm, rainRateMmH, polarization) * 0.12 *
           std::pow(annualPct, -(0.546 + 0.043 * lg));
}

RainOutage rainOutage(double frequencyGHz, double hopLengthKm, double flatMarginDb,
                      double rainRateMmH, Polarization polarization) {
    const bool withinRanges = frequencyGHz >= kRainMinimumFrequencyGHz && hopLengthKm > 0.0 &&
                              flatMarginDb > 0.0 && rainRateMmH >= 0.0;
    if (!withinRanges) {
        return {};
    }
    const double ratio =
        flatMarginDb / attenuation001Db(frequencyGHz, hopLengthKm, rainRateMmH, polarization);
    // Inverts A_p / A_0.01 = 0.12 p^-(0.546 + 0.043 log10 p) for A_p = margin.
    double u = 0.298116 - 0.172 * std::log10(ratio / 0.12);
    if (u < 0.0) {
        u = 0.0;
    }
    // A margin far below the 0.01 % attenuation drives the fitted curve past all of the time;
    // no share of time exceeds the whole of it.
    RainOutage outage;
    outage.annualPct = std::min(std::pow(10.0, (std::sqrt(u) - 0.546) / 0.086), kWholeTimePct);
    outage.worstMonthPct = std::min(std::pow(outage.annualPct / 0.3, 0.86956), kWholeTimePct);
    return outage;
}

} // namespace korvel
