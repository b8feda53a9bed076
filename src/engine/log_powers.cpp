#include "engine/log_powers.h"

#include <cmath>
#include <numbers>

namespace korvel {

namespace {

bool positiveAndFinite(double x) {
    return x > 0.0 && std::isfinite(x);
}

} // namespace

double powerFromLog(double x, double lnX, double exponent, MathGuard& guard) {
    return positiveAndFinite(x) ? std::exp(exponent * lnX) : guard.pow(x, exponent);
}

double log10FromLog(double x, double lnX, MathGuard& guard) {
    return positiveAndFinite(x) ? lnX * std::numbers::log10e : guard.log10(x);
}

} // namespace korvel
