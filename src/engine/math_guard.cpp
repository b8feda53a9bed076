#include "engine/math_guard.h"

#include <cmath>

namespace korvel {

namespace {

constexpr const char* kNegativeLog10 = "Math Error : Negative log10.";
constexpr const char* kZeroLog10 = "Math error : Overflow - log10.";
constexpr const char* kNegativePower = "Math error : Negative arithmetic power.";
constexpr const char* kCaptionKorvel = "Korvel";
constexpr const char* kCaptionError = "Error";

} // namespace

double MathGuard::log10(double x) {
    if (x < 0.0) {
        messages_.push_back({kNegativeLog10, kCaptionKorvel});
        return std::log10(-x);
    }
    if (x == 0.0) {
        messages_.push_back({kZeroLog10, kCaptionKorvel});
        return 1.0;
    }
    return std::log10(x);
}

double MathGuard::pow(double base, double exponent) {
    // Only a finite negative base with a finite fractional exponent is a domain error; an infinite
    // base or exponent has a defined result.
    if (base < 0.0 && std::isfinite(base) && std::isfinite(exponent) &&
        exponent != std::trunc(exponent)) {
        messages_.push_back({kNegativePower, kCaptionError});
        return 1.0;
    }
    return std::pow(base, exponent);
}

} // namespace korvel
