#pragma once
// Powers of one quantity (a hop length in km, a frequency in GHz) taken from its one natural
// logarithm: x^a = exp(a ln x), so that a quantity with several powers needs one logarithm and
// an exponential for each, not a full power each. Every calculation of those powers goes through
// here, so the hop calculation, its kept terms and the combination search agree bit for bit.

#include "engine/math_guard.h"

namespace korvel {

// x^exponent from lnX = std::log(x). Only an x above 0 and finite takes the logarithm; any other
// goes through the guard as guard.pow(x, exponent), with its substitute and message.
double powerFromLog(double x, double lnX, double exponent, MathGuard& guard);
// log10 x from lnX = std::log(x); an x that is not above 0 and finite as guard.log10(x).
double log10FromLog(double x, double lnX, MathGuard& guard);

} // namespace korvel
