#include "report/report_text.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "engine/number_text.h"

namespace korvel {
namespace {

// Every report number rounds as the pages round it.
std::string vformatted(const char* format, std::va_list args) {
    return formatNumbersV(format, args);
}

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

} // namespace korvel
