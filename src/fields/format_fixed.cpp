#include "fields/format_fixed.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>

namespace korvel {

namespace {

constexpr int kMaxDigits = 24;

// Enough for the exact decimal expansion of any double: 309 digits before the point and at most
// 1074 after it.
constexpr int kExactDecimals = 1074;
constexpr std::size_t kExactBufferSize = 1400;

// Adds one unit to the last digit of a digit string, carrying as far as needed.
void roundUp(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

std::string formatFixed(double value, int decimals) {
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-inf" : "inf";
    }

    // The exact magnitude: whole part, then every decimal the binary value has.
    std::array<char, kExactBufferSize> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      std::fabs(value), std::chars_format::fixed, kExactDecimals);
    const std::string_view exact(buffer.data(),
                                 static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t point = exact.find('.');
    std::string whole(exact.substr(0, point));
    const std::string_view fraction = exact.substr(point + 1);

    // Leading zeros are no digits: 0.05 has none before the point.
    const std::size_t firstNonZero = whole.find_first_not_of('0');
    whole.erase(0, std::min(firstNonZero, whole.size()));

    const int wholeDigits = static_cast<int>(whole.size());
    const int kept = std::clamp(decimals, 0, std::max(0, kMaxDigits - wholeDigits));
    const auto keptCount = static_cast<std::size_t>(kept);

    std::string digits = whole + std::string(fraction.substr(0, keptCount));
    if (fraction[keptCount] >= '5') {
        roundUp(digits);
    }
    const std::size_t digitsBeforePoint = digits.size() - keptCount;

    std::string text = value < 0 ? "-" : "";
    if (digitsBeforePoint == 0) {
        text += '0';
    } else {
        text.append(digits, 0, digitsBeforePoint);
    }
    text += '.';
    text.append(digits, digitsBeforePoint, keptCount);
    return text;
}

} // namespace korvel
