#include "fields/numeric_text.h"

#include <charconv>
#include <cstddef>
#include <limits>
#include <system_error>

namespace korvel {

namespace {

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}
bool isSign(char ch) {
    return ch == '+' || ch == '-';
}

} // namespace

bool isNumericText(std::string_view text) {
    int punctuation = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (isDigit(ch)) {
            continue;
        }
        if (ch == '.') {
            punctuation += 1;
        } else if (isSign(ch)) {
            punctuation += i == 0 ? 0 : 2;
        } else {
            return false;
        }
    }
    return punctuation <= 1;
}

double numericTextValue(std::string_view text) {
    std::size_t pos = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && isSign(text[0])) {
        pos = 1;
    }
    const std::size_t start = pos;
    bool nonZeroBeforePoint = false;
    while (pos < text.size() && isDigit(text[pos])) {
        nonZeroBeforePoint = nonZeroBeforePoint || text[pos] != '0';
        ++pos;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            ++pos;
        }
    }
    const std::string_view number = text.substr(start, pos - start);
    double magnitude = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(),
                                              magnitude, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        // Hundreds of digits: too large for a double, or too small to differ from 0.
        magnitude = nonZeroBeforePoint ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc() || magnitude == 0) {
        return 0.0; // nothing but a sign or a point, or a zero of either sign
    }
    return negative ? -magnitude : magnitude;
}

} // namespace korvel
