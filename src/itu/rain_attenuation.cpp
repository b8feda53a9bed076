#include "itu/rain_attenuation.h"

#include <cmath>

namespace korvel::itu {
namespace {

// C1, C2, C3 of the percentage law A_p/A0.01 = C1·p^−(C2 + C3·log10 p). C0 for f ≥ 10 GHz takes
// log10 of (f/10)^0.8, the literal typesetting.
struct PercentageLaw {
    double c1, c2, c3;
};

PercentageLaw percentageLaw(double frequencyGHz) {
    const double c0 =
        frequencyGHz < 10.0 ? 0.12 : 0.12 + 0.4 * std::log10(std::pow(frequencyGHz / 10.0, 0.8));
    return {std::pow(0.07, c0) * std::pow(0.12, 1.0 - c0), 0.855 * c0 + 0.546 * (1.0 - c0),
            0.139 * c0 + 0.043 * (1.0 - c0)};
}

} // namespace

RainAttenuation rainAttenuation(double r001MmH, RainCoefficients coefficients, double hopLengthKm,
                                double frequencyGHz) {
    RainAttenuation rain;
    rain.frequencyGHz = frequencyGHz;
    rain.gammaDbPerKm = coefficients.k * std::pow(r001MmH, coefficients.alpha);
    const double d = hopLengthKm;
    const double bracket = 0.477 * std::pow(d, 0.633) *
                               std::pow(r001MmH, 0.073 * coefficients.alpha) *
                               std::pow(frequencyGHz, 0.123) -
                           10.579 * (1.0 - std::exp(-0.024 * d));
    // A bracket below 1/2.5 (or not above 0) would give r above the cap.
    rain.distanceFactor =
        bracket <= 1.0 / kRainDistanceFactorCap ? kRainDistanceFactorCap : 1.0 / bracket;
    rain.effectiveLengthKm = rain.distanceFactor * d;
    rain.a001Db = rain.gammaDbPerKm * rain.effectiveLengthKm;
    return rain;
}

double rainAttenuationAtDb(const RainAttenuation& rain, double pct) {
    const PercentageLaw law = percentageLaw(rain.frequencyGHz);
    const double x = std::log10(pct);
    return rain.a001Db * law.c1 * std::pow(pct, -(law.c2 + law.c3 * x));
}

std::string_view rainBoundName(RainBound bound) {
    switch (bound) {
    case RainBound::BelowLowest:
        return "below-0.001";
    case RainBound::AboveHighest:
        return "above-1";
    case RainBound::None:
        break;
    }
    return {};
}

std::string_view rainBoundShown(RainBound bound) {
    switch (bound) {
    case RainBound::BelowLowest:
        return "< 0.001";
    case RainBound::AboveHighest:
        return "> 1";
    case RainBound::None:
        break;
    }
    return {};
}

RainOutage rainOutageForMargin(const RainAttenuation& rain, double fadeMarginDb) {
    if (!(rain.a001Db > 0) || fadeMarginDb > rainAttenuationAtDb(rain, kRainLowestPct))
        return {std::nullopt, RainBound::BelowLowest};
    if (fadeMarginDb < rainAttenuationAtDb(rain, kRainHighestPct))
        return {std::nullopt, RainBound::AboveHighest};
    // log10(F / (A0.01·C1)) = −(C2·x + C3·x²) with x = log10 p: the root on the rising branch,
    // which holds the whole of 0.001..1 %.
    const PercentageLaw law = percentageLaw(rain.frequencyGHz);
    const double level = std::log10(fadeMarginDb / (rain.a001Db * law.c1));
    const double discriminant = law.c2 * law.c2 - 4.0 * law.c3 * level;
    const double x = (-law.c2 + std::sqrt(discriminant)) / (2.0 * law.c3);
    return {std::pow(10.0, x), RainBound::None};
}

} // namespace korvel::itu
