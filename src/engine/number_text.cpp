#include "engine/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>

namespace korvel {

namespace {

// Binary digits after the point in the exact value of a finite, non-zero double.
int fractionBits(double magnitude) {
    int exponent = 0;
    const double mantissa = std::frexp(magnitude, &exponent); // magnitude = mantissa * 2^exponent
    const auto bits = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
    return std::max(0, 53 - exponent - std::countr_zero(bits));
}

// Whether `magnitude` lies exactly halfway between two multiples of 10^-decimals. With decimals
// d >= 0 that is: its exact expansion ends at decimal d + 1 with a 5, which happens exactly when
// it has d + 1 binary digits after the point. Above the point it is a plain remainder.
bool isTie(double magnitude, int decimals) {
    if (decimals >= 0) {
        return fractionBits(magnitude) == decimals + 1;
    }
    constexpr int kExactPowersOfTen = 22; // 10^22 is the largest power of ten a double holds
    if (-decimals > kExactPowersOfTen || fractionBits(magnitude) != 0) {
        return false;
    }
    const double unit = std::pow(10.0, -decimals);
    return std::fmod(magnitude, unit) == unit / 2;
}

// The decimal exponent of the leading digit of a finite, non-zero magnitude.
int leadingExponent(double magnitude) {
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                      std::chars_format::scientific);
    const char* mark = std::find(text.data(), result.ptr, 'e');
    return std::atoi(mark + 1);
}

// For an exponent form: a tie moved by one unit in the last place away from zero, which printf
// then rounds away. (A mantissa of at most a few digits is far coarser than that unit.)
double nudgedTie(double value, int decimals) {
    if (!std::isfinite(value) || value == 0 || !isTie(std::fabs(value), decimals)) {
        return value;
    }
    return std::nextafter(value, std::copysign(std::numeric_limits<double>::infinity(), value));
}

struct Conversion {
    std::string conversion; // "%" to the conversion letter, '*' replaced by the numbers given
    std::string flags;
    int width = 0;
    char letter = 0;
    int precision = -1;
    bool longLong = false;
    bool isLong = false;
    bool sizeT = false;
};

template <typename... Values>
void append(std::string& text, const char* conversion, Values... values) {
    std::array<char, 128> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), conversion, values...);
    if (length <= 0) {
        return;
    }
    const auto size = static_cast<std::size_t>(length);
    if (size < buffer.size()) {
        text.append(buffer.data(), size);
        return;
    }
    const std::size_t start = text.size();
    text.resize(start + size + 1);
    std::snprintf(text.data() + start, size + 1, conversion, values...);
    text.resize(start + size);
}

// The magnitude with `decimals` decimals; exact when the value ends there.
std::string fixedExact(double magnitude, int decimals) {
    std::string text;
    append(text, "%.*f", decimals, magnitude);
    return text;
}

// A fixed-point tie written exactly: the value ends at decimal `decimals` + 1 with a 5, so its
// digits to there are exact; the 5 goes and the digit before it goes up. Width and flags as
// printf applies them.
std::string tieText(const Conversion& c, double value, int decimals) {
    std::string digits = fixedExact(std::fabs(value), decimals + 1);
    digits.pop_back(); // the 5
    auto it = digits.rbegin();
    for (; it != digits.rend(); ++it) {
        if (*it == '.') {
            continue;
        }
        if (*it != '9') {
            ++*it;
            break;
        }
        *it = '0';
    }
    if (it == digits.rend()) {
        digits.insert(digits.begin(), '1');
    }
    if (decimals == 0 && c.flags.find('#') == std::string::npos) {
        digits.pop_back(); // the point
    }
    const bool plus = c.flags.find('+') != std::string::npos;
    const bool space = c.flags.find(' ') != std::string::npos;
    const std::string sign = value < 0 ? "-" : plus ? "+" : space ? " " : "";
    const auto width = static_cast<std::size_t>(std::abs(c.width)); // "*" may give -6: left
    const std::size_t length = sign.size() + digits.size();
    const std::size_t pad = width > length ? width - length : 0;
    if (c.flags.find('-') != std::string::npos || c.width < 0) {
        return sign + digits + std::string(pad, ' ');
    }
    if (c.flags.find('0') != std::string::npos) {
        return sign + std::string(pad, '0') + digits;
    }
    return std::string(pad, ' ') + sign + digits;
}

// Reads one conversion at `format` (just after its '%'); the arguments of '*' are taken.
Conversion readConversion(const char*& format, std::va_list& args) {
    Conversion c;
    c.conversion = "%";
    while (*format != '\0' && std::string_view("-+ #0").find(*format) != std::string_view::npos) {
        c.flags += *format;
        c.conversion += *format++;
    }
    const auto readCount = [&](int& into) {
        if (*format == '*') {
            ++format;
            into = va_arg(args, int);
            c.conversion += std::to_string(into);
            return;
        }
        into = 0;
        while (*format >= '0' && *format <= '9') {
            into = into * 10 + (*format - '0');
            c.conversion += *format++;
        }
    };
    readCount(c.width);
    if (*format == '.') {
        c.conversion += *format++;
        readCount(c.precision);
        c.precision = std::max(c.precision, 0);
    }
    // Length modifiers: h and hh change nothing that is passed; l, ll and z say what to take.
    while (*format == 'h' || *format == 'l' || *format == 'z') {
        c.longLong = c.longLong || (*format == 'l' && c.isLong);
        c.isLong = c.isLong || *format == 'l';
        c.sizeT = c.sizeT || *format == 'z';
        c.conversion += *format++;
    }
    c.letter = *format;
    if (*format != '\0') {
        c.conversion += *format++;
    }
    return c;
}

void appendConversion(std::string& text, const Conversion& c, std::va_list& args) {
    switch (c.letter) {
    case 'f':
    case 'F': {
        const double value = va_arg(args, double);
        const int decimals = c.precision < 0 ? 6 : c.precision;
        if (std::isfinite(value) && value != 0 && isTie(std::fabs(value), decimals)) {
            text += tieText(c, value, decimals);
        } else {
            append(text, c.conversion.c_str(), value);
        }
        return;
    }
    case 'e':
    case 'E': {
        const double value = va_arg(args, double);
        int decimals = c.precision < 0 ? 6 : c.precision;
        if (std::isfinite(value) && value != 0) {
            decimals -= leadingExponent(std::fabs(value));
        }
        append(text, c.conversion.c_str(), nudgedTie(value, decimals));
        return;
    }
    case 'g':
    case 'G':
    case 'a':
    case 'A':
        append(text, c.conversion.c_str(), va_arg(args, double));
        return;
    case 'd':
    case 'i':
    case 'u':
    case 'x':
    case 'X':
    case 'o':
    case 'c':
        if (c.longLong) {
            append(text, c.conversion.c_str(), va_arg(args, long long));
        } else if (c.sizeT) {
            append(text, c.conversion.c_str(), va_arg(args, std::size_t));
        } else if (c.isLong) {
            append(text, c.conversion.c_str(), va_arg(args, long));
        } else {
            append(text, c.conversion.c_str(), va_arg(args, int));
        }
        return;
    case 's': {
        // Written here rather than by printf: the labels of every report line pass this way.
        std::string_view word(va_arg(args, const char*));
        if (c.precision >= 0) {
            word = word.substr(0, static_cast<std::size_t>(c.precision));
        }
        const auto width = static_cast<std::size_t>(std::abs(c.width));
        const std::size_t pad = width > word.size() ? width - word.size() : 0;
        const bool left = c.flags.find('-') != std::string::npos || c.width < 0;
        text.append(left ? 0 : pad, ' ').append(word).append(left ? pad : 0, ' ');
        return;
    }
    case 'p':
        append(text, c.conversion.c_str(), va_arg(args, void*));
        return;
    case '%':
        text += '%';
        return;
    default:
        text += c.conversion; // not a conversion: written as it stands
        return;
    }
}

} // namespace

std::string fixedDecimals(double value, int decimals) {
    return formatNumbers("%.*f", decimals, value);
}

std::string formatNumbersV(const char* format, std::va_list args) {
    std::va_list own;
    va_copy(own, args);
    std::string text;
    while (*format != '\0') {
        if (*format != '%') {
            text += *format++;
            continue;
        }
        ++format;
        const Conversion conversion = readConversion(format, own);
        appendConversion(text, conversion, own);
    }
    va_end(own);
    return text;
}

std::string formatNumbers(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::string text = formatNumbersV(format, args);
    va_end(args);
    return text;
}

} // namespace korvel
