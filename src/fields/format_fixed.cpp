#include "fields/format_fixed.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/number_text.h"

namespace korvel {

namespace {

constexpr int kMaxDigits = 24;

// Digits before the point of a finite magnitude; none below 1.
int wholeDigits(double magnitude) {
    return magnitude < 1 ? 0 : static_cast<int>(fixedDecimals(std::trunc(magnitude), 0).size());
}

} // namespace

std::string formatFixed(double value, int decimals) {
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-inf" : "inf";
    }
    const int kept =
        std::clamp(decimals, 0, std::max(0, kMaxDigits - wholeDigits(std::fabs(value))));
    // Negative zero is written as zero; a negative value keeps its sign even when it rounds to 0.
    std::string text = fixedDecimals(value == 0 ? 0.0 : value, kept);
    if (kept == 0) {
        text += '.';
    }
    return text;
}

} // namespace korvel
