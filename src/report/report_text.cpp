#include "report/report_text.h"

#include <cstdarg>
#include <cstdio>
#include <utility>
#include <vector>

#include "engine/number_text.h"
#include "platform/text_encoding.h"

namespace korvel {
namespace {

// Every report number rounds as the pages round it.
std::string vformatted(const char* format, std::va_list args) {
    return formatNumbersV(format, args);
}

// The symbols of the notes that Windows-1252 lacks, as a planner would type them.
constexpr std::pair<std::string_view, std::string_view> kSpelledOut[] = {
    {"\u2265", ">="},  {"\u2264", "<="},    {"\u2212", "-"},     {"\u0394", "delta "},
    {"\u03B5", "eps"}, {"\u03B8", "theta"}, {"\u03B1", "alpha"}, {"\u03B3", "gamma"},
    {"\u2248", "~"},   {"\u221A", "sqrt"},
};

} // namespace

void ReportText::add(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    text_ += vformatted(format, args);
    va_end(args);
}

void ReportText::addLineEnds(int count) {
    for (int i = 0; i < count; ++i) {
        text_ += '\n';
    }
}

std::string ReportText::withCrLf() const {
    std::string result;
    result.reserve(text_.size() + text_.size() / 16);
    for (char c : text_) {
        if (c == '\n') {
            result += '\r';
        }
        result += c;
    }
    return result;
}

std::string formatted(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::string result = vformatted(format, args);
    va_end(args);
    return result;
}

std::string exponentText(double value, int precision, int width) {
    std::string text = formatted("%.*E", precision, value);
    const std::size_t mark = text.find('E');
    if (mark != std::string::npos && mark + 2 < text.size()) {
        const std::size_t digitsAt = mark + 2; // after "E" and the sign
        const std::size_t digitCount = text.size() - digitsAt;
        if (digitCount < 3) {
            text.insert(digitsAt, 3 - digitCount, '0');
        }
    }
    if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

std::string reportTextFromUtf8(std::string_view utf8) {
    std::string plain;
    plain.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        bool replaced = false;
        for (const auto& [symbol, words] : kSpelledOut) {
            if (utf8.substr(at, symbol.size()) == symbol) {
                plain += words;
                at += symbol.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            plain += utf8[at++];
        }
    }
    return utf8ToCp1252(plain);
}

} // namespace korvel
