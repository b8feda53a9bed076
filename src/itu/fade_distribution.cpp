#include "itu/fade_distribution.h"

#include <cmath>
#include <numbers>

namespace korvel::itu {
namespace {

constexpr std::string_view kNegativeFade = "fade margin below 0 dB";
constexpr std::string_view kTransitionPastHundred = "p_t ≥ 100 %: outside the method";

double transitionDepthDb(double p0Pct) {
    return 25.0 + 1.2 * std::log10(p0Pct);
}

// Shallow fades, A < A_t, from p_t = the deep tail's value at A_t.
Figure interpolatedPct(double transitionPct, double transitionDb, double fadeDepthDb) {
    if (!(transitionPct < 100.0))
        return Figure::outside(kTransitionPastHundred);
    const double at = transitionDb;
    const double a = fadeDepthDb;
    const double qaPrime = -20.0 * std::log10(-std::log((100.0 - transitionPct) / 100.0)) / at;
    const double qt =
        (qaPrime - 2.0) / ((1.0 + 0.3 * std::pow(10.0, -at / 20.0)) * std::pow(10.0, -0.016 * at)) -
        4.3 * (std::pow(10.0, -at / 20.0) + at / 800.0);
    const double qa = 2.0 + (1.0 + 0.3 * std::pow(10.0, -a / 20.0)) * std::pow(10.0, -0.016 * a) *
                                (qt + 4.3 * (std::pow(10.0, -a / 20.0) + a / 800.0));
    return Figure::of(100.0 * (1.0 - std::exp(-std::pow(10.0, -qa * a / 20.0))));
}

Figure scaledAllFadesPct(double p0Pct, double fadeDepthDb, double scale) {
    if (fadeDepthDb < 0)
        return Figure::outside(kNegativeFade);
    const double at = transitionDepthDb(p0Pct);
    if (fadeDepthDb >= at)
        return Figure::of(scale * p0Pct * std::pow(10.0, -fadeDepthDb / 10.0));
    return interpolatedPct(scale * p0Pct * std::pow(10.0, -at / 10.0), at, fadeDepthDb);
}

} // namespace

Figure allFadesWorstMonthPct(double p0Pct, double fadeDepthDb) {
    return scaledAllFadesPct(p0Pct, fadeDepthDb, 1.0);
}

DeltaG deltaG(double latitudeDeg, double hopLengthKm, double inclinationMrad) {
    const double xi = std::fabs(latitudeDeg);
    const double cosine = std::pow(std::fabs(std::cos(2.0 * xi * std::numbers::pi / 180.0)), 0.7);
    const double db = 10.5 - 5.6 * std::log10(xi <= 45.0 ? 1.1 + cosine : 1.1 - cosine) -
                      2.7 * std::log10(hopLengthKm) + 1.7 * std::log10(1.0 + inclinationMrad);
    if (db > kDeltaGCapDb)
        return {kDeltaGCapDb, true};
    return {db, false};
}

Figure allFadesAverageYearPct(double p0Pct, double fadeDepthDb, double deltaGDb) {
    return scaledAllFadesPct(p0Pct, fadeDepthDb, std::pow(10.0, -deltaGDb / 10.0));
}

} // namespace korvel::itu
