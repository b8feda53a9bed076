#include "engine/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string_view>

namespace korvel {

namespace {

// Binary digits after the point in the exact value of a finite, non-zero double, read from its
// bits: the value is significand * 2^(exponent - 1075), or significand * 2^-1074 when subnormal.
int fractionBits(double magnitude) {
    constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << 52) - 1;
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto exponent = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t significand =
        exponent == 0 ? bits & kFractionMask : (bits & kFractionMask) | (kFractionMask + 1);
    const int scale = exponent == 0 ? 1074 : 1075 - exponent;
    return std::max(0, scale - std::countr_zero(significand));
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

// For an exponent form: a tie moved by one unit in the last place away from zero, which then
// rounds away. (A mantissa of at most a few digits is far coarser than that unit.)
double nudgedTie(double value, int decimals) {
    if (!std::isfinite(value) || value == 0 || !isTie(std::fabs(value), decimals)) {
        return value;
    }
    return std::nextafter(value, std::copysign(std::numeric_limits<double>::infinity(), value));
}

struct Conversion {
    std::string_view written;   // from '%' to the conversion letter, as the format has it
    std::array<int, 2> stars{}; // the numbers taken for '*', in order
    int starCount = 0;
    bool left = false;
    bool plus = false;
    bool space = false;
    bool alternate = false;
    bool zeroPad = false;
    int width = 0; // "*" may give -6: left
    int precision = -1;
    bool negativePrecision = false; // ".*" given a negative number
    char letter = 0;
    bool longLong = false;
    bool isLong = false;
    bool sizeT = false;
};

// The conversion as printf is to see it, the numbers taken for '*' written in.
std::string printfConversion(const Conversion& c) {
    std::string conversion;
    int star = 0;
    for (const char ch : c.written) {
        if (ch == '*' && star < c.starCount) {
            conversion += std::to_string(c.stars[static_cast<std::size_t>(star++)]);
        } else {
            conversion += ch;
        }
    }
    return conversion;
}

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

template <typename Value> void appendByPrintf(std::string& text, const Conversion& c, Value value) {
    append(text, printfConversion(c).c_str(), value);
}

// The digits of a finite magnitude as to_chars writes them, with room for one more digit in
// front (a carry). Numbers of up to a few dozen characters, the usual, stay on the stack.
class Digits {
  public:
    Digits(double magnitude, std::chars_format form, int precision) {
        auto written = std::to_chars(small_.data() + 1, small_.data() + small_.size(), magnitude,
                                     form, precision);
        begin_ = small_.data() + 1;
        if (written.ec != std::errc{}) {
            // A double has at most 309 digits before the point.
            large_.resize(static_cast<std::size_t>(precision) + 320);
            written = std::to_chars(large_.data() + 1, large_.data() + large_.size(), magnitude,
                                    form, precision);
            begin_ = large_.data() + 1;
        }
        end_ = written.ptr;
    }
    Digits(const Digits&) = delete;
    Digits& operator=(const Digits&) = delete;

    [[nodiscard]] std::string_view text() const {
        return {begin_, static_cast<std::size_t>(end_ - begin_)};
    }
    // Drops the last character, a 5 just past the wanted decimals, and rounds the rest up.
    void roundUpDroppingLast() {
        --end_;
        for (char* digit = end_; digit != begin_;) {
            --digit;
            if (*digit == '.') {
                continue;
            }
            if (*digit != '9') {
                ++*digit;
                return;
            }
            *digit = '0';
        }
        *--begin_ = '1';
    }
    void dropLast() { --end_; }
    [[nodiscard]] bool endsWith(char ch) const { return end_ != begin_ && end_[-1] == ch; }
    // Puts `ch` after the first `count` characters (only for the '#' flag, so moving is fine).
    void insert(std::size_t count, char ch) {
        std::string moved(text());
        moved.insert(count, 1, ch);
        large_ = std::move(moved);
        begin_ = large_.data();
        end_ = begin_ + large_.size();
    }
    void replace(char from, char to) { std::replace(begin_, end_, from, to); }

  private:
    std::array<char, 80> small_; // written by to_chars before it is read
    std::string large_;
    char* begin_ = nullptr;
    char* end_ = nullptr;
};

// Sign, padding and the digits, in the order the flags ask.
void appendPadded(std::string& text, const Conversion& c, bool negative, std::string_view digits) {
    const std::string_view sign = negative ? "-" : c.plus ? "+" : c.space ? " " : "";
    const auto width = static_cast<std::size_t>(std::abs(c.width));
    const std::size_t length = sign.size() + digits.size();
    const std::size_t pad = width > length ? width - length : 0;
    if (c.left || c.width < 0) {
        text.append(sign).append(digits).append(pad, ' ');
    } else if (c.zeroPad) {
        text.append(sign).append(pad, '0').append(digits);
    } else {
        text.append(pad, ' ').append(sign).append(digits);
    }
}

// The digits of a magnitude from 2^-68 to 2^53 with at most 19 decimals, rounded half away from
// zero on its exact value, found in integers: magnitude = m * 2^-s exactly, so the digits are
// floor(m * 10^decimals / 2^s + 1/2). The common case of every table; empty when the value or its
// digits do not fit, for the general way.
class IntegerDigits {
  public:
    IntegerDigits(double magnitude, int decimals) {
        __extension__ using Wide = unsigned __int128;
        constexpr int kMostDecimals = 19;
        constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << 52) - 1;
        const auto bits = std::bit_cast<std::uint64_t>(magnitude);
        const auto exponent = static_cast<int>((bits >> 52) & 0x7FF);
        const int shift = 1075 - exponent;
        if (decimals < 0 || decimals > kMostDecimals || exponent == 0 || shift <= 0 ||
            shift > 120) {
            return;
        }
        std::uint64_t scale = 1;
        for (int i = 0; i < decimals; ++i) {
            scale *= 10;
        }
        const Wide scaled = static_cast<Wide>((bits & kFractionMask) | (kFractionMask + 1)) * scale;
        const Wide rounded = (scaled + (static_cast<Wide>(1) << (shift - 1))) >> shift;
        if (rounded > std::numeric_limits<std::uint64_t>::max()) {
            return;
        }
        std::array<char, 24> digits{};
        const auto written = std::to_chars(digits.data(), digits.data() + digits.size(),
                                           static_cast<std::uint64_t>(rounded));
        const auto count = static_cast<int>(written.ptr - digits.data());
        const int whole = count - decimals;
        if (whole > 0) {
            put(digits.data(), whole);
        } else {
            put("0", 1);
        }
        if (decimals > 0) {
            put(".", 1);
            for (int i = whole; i < 0; ++i) {
                put("0", 1);
            }
            const int first = std::max(whole, 0);
            put(digits.data() + first, count - first);
        }
    }
    [[nodiscard]] std::string_view text() const { return {text_.data(), length_}; }

  private:
    void put(const char* from, int count) {
        std::copy_n(from, count, text_.data() + length_);
        length_ += static_cast<std::size_t>(count);
    }
    std::array<char, 48> text_{};
    std::size_t length_ = 0;
};

// A finite value with `decimals` decimals, an exact tie rounded away from zero.
void appendFixed(std::string& text, const Conversion& c, double value, int decimals) {
    const double magnitude = std::fabs(value);
    if (!(decimals == 0 && c.alternate)) {
        const IntegerDigits quick(magnitude, decimals);
        if (!quick.text().empty()) {
            appendPadded(text, c, std::signbit(value), quick.text());
            return;
        }
    }
    const bool tie = value != 0 && isTie(magnitude, decimals);
    // A tie's digits to one decimal further are exact: they end in the 5.
    Digits digits(magnitude, std::chars_format::fixed, tie ? decimals + 1 : decimals);
    if (tie) {
        digits.roundUpDroppingLast();
        if (decimals == 0) {
            digits.dropLast(); // the point
        }
    }
    if (decimals == 0 && c.alternate) {
        digits.insert(digits.text().size(), '.');
    }
    appendPadded(text, c, std::signbit(value), digits.text());
}

// A finite value in exponent form with `precision` mantissa decimals, rounded as above.
void appendExponent(std::string& text, const Conversion& c, double value, int precision) {
    const double magnitude = std::fabs(value);
    const int decimals = value != 0 ? precision - leadingExponent(magnitude) : precision;
    Digits digits(std::fabs(nudgedTie(value, decimals)), std::chars_format::scientific, precision);
    if (precision == 0 && c.alternate) {
        digits.insert(1, '.');
    }
    if (c.letter == 'E') {
        digits.replace('e', 'E');
    }
    appendPadded(text, c, std::signbit(value), digits.text());
}

// Reads one conversion at `format` (just after its '%'); the arguments of '*' are taken.
Conversion readConversion(const char*& format, std::va_list& args) {
    Conversion c;
    const char* start = format - 1;
    for (;; ++format) {
        const char flag = *format;
        if (flag == '-') {
            c.left = true;
        } else if (flag == '+') {
            c.plus = true;
        } else if (flag == ' ') {
            c.space = true;
        } else if (flag == '#') {
            c.alternate = true;
        } else if (flag == '0') {
            c.zeroPad = true;
        } else {
            break;
        }
    }
    const auto readCount = [&](int& into) {
        if (*format == '*') {
            ++format;
            into = va_arg(args, int);
            if (c.starCount < static_cast<int>(c.stars.size())) {
                c.stars[static_cast<std::size_t>(c.starCount++)] = into;
            }
            return;
        }
        into = 0;
        while (*format >= '0' && *format <= '9') {
            into = into * 10 + (*format++ - '0');
        }
    };
    readCount(c.width);
    if (*format == '.') {
        ++format;
        readCount(c.precision);
        c.negativePrecision = c.precision < 0;
        c.precision = std::max(c.precision, 0);
    }
    // Length modifiers: h and hh change nothing that is passed; l, ll and z say what to take.
    while (*format == 'h' || *format == 'l' || *format == 'z') {
        c.longLong = c.longLong || (*format == 'l' && c.isLong);
        c.isLong = c.isLong || *format == 'l';
        c.sizeT = c.sizeT || *format == 'z';
        ++format;
    }
    c.letter = *format;
    if (*format != '\0') {
        ++format;
    }
    c.written = std::string_view(start, static_cast<std::size_t>(format - start));
    return c;
}

void appendFixedConversion(std::string& text, const Conversion& c, double value) {
    const int decimals = c.precision < 0 ? 6 : c.precision;
    // printf reads a negative ".*" its own way; a tie is rounded here all the same.
    const bool printfsOwn =
        !std::isfinite(value) ||
        (c.negativePrecision && (value == 0 || !isTie(std::fabs(value), decimals)));
    if (printfsOwn) {
        appendByPrintf(text, c, value);
    } else {
        appendFixed(text, c, value, decimals);
    }
}

void appendExponentConversion(std::string& text, const Conversion& c, double value) {
    const int precision = c.precision < 0 ? 6 : c.precision;
    if (std::isfinite(value) && !c.negativePrecision) {
        appendExponent(text, c, value, precision);
        return;
    }
    int decimals = precision;
    if (std::isfinite(value) && value != 0) {
        decimals -= leadingExponent(std::fabs(value));
    }
    appendByPrintf(text, c, nudgedTie(value, decimals));
}

void appendIntegerConversion(std::string& text, const Conversion& c, std::va_list& args) {
    if (c.longLong) {
        appendByPrintf(text, c, va_arg(args, long long));
    } else if (c.sizeT) {
        appendByPrintf(text, c, va_arg(args, std::size_t));
    } else if (c.isLong) {
        appendByPrintf(text, c, va_arg(args, long));
    } else {
        appendByPrintf(text, c, va_arg(args, int));
    }
}

// Written here rather than by printf: the labels of every report line pass this way.
void appendWordConversion(std::string& text, const Conversion& c, std::string_view word) {
    if (c.precision >= 0) {
        word = word.substr(0, static_cast<std::size_t>(c.precision));
    }
    const auto width = static_cast<std::size_t>(std::abs(c.width));
    const std::size_t pad = width > word.size() ? width - word.size() : 0;
    const bool left = c.left || c.width < 0;
    text.append(left ? 0 : pad, ' ').append(word).append(left ? pad : 0, ' ');
}

void appendConversion(std::string& text, const Conversion& c, std::va_list& args) {
    switch (c.letter) {
    case 'f':
    case 'F':
        appendFixedConversion(text, c, va_arg(args, double));
        return;
    case 'e':
    case 'E':
        appendExponentConversion(text, c, va_arg(args, double));
        return;
    case 'g':
    case 'G':
    case 'a':
    case 'A':
        appendByPrintf(text, c, va_arg(args, double));
        return;
    case 'd':
    case 'i':
    case 'u':
    case 'x':
    case 'X':
    case 'o':
    case 'c':
        appendIntegerConversion(text, c, args);
        return;
    case 's':
        appendWordConversion(text, c, va_arg(args, const char*));
        return;
    case 'p':
        appendByPrintf(text, c, va_arg(args, void*));
        return;
    case '%':
        text += '%';
        return;
    default:
        text += printfConversion(c); // not a conversion: written as it stands
        return;
    }
}

} // namespace

std::string fixedDecimals(double value, int decimals) {
    if (decimals < 0 || !std::isfinite(value)) {
        return formatNumbers("%.*f", decimals, value);
    }
    // The common case without reading a format: tables write thousands of these.
    std::string text;
    appendFixed(text, Conversion{}, value, decimals);
    return text;
}

void appendNumbersV(std::string& text, const char* format, std::va_list args) {
    std::va_list own;
    va_copy(own, args);
    while (*format != '\0') {
        const char* percent = std::strchr(format, '%');
        if (percent == nullptr) {
            text.append(format);
            break;
        }
        text.append(format, static_cast<std::size_t>(percent - format));
        format = percent + 1;
        const Conversion conversion = readConversion(format, own);
        appendConversion(text, conversion, own);
    }
    va_end(own);
}

std::string formatNumbersV(const char* format, std::va_list args) {
    std::string text;
    appendNumbersV(text, format, args);
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
