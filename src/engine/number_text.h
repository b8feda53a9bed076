#pragma once
// Every number written with a fixed count of decimals or digits (pages, results panel, reports,
// korvel-cli text) is rounded one way: half away from zero, on the exact binary value. 2.25 with
// one decimal is 2.3 and -2.25 is -2.3, as the reports written years ago show them; the C
// library alone would round those ties to even (2.2). A value that is not exactly halfway rounds
// to the nearest, as everywhere.

#include <cstdarg>
#include <string>

namespace korvel {

// printf into a string, the fixed-decimal and exponent conversions (%f, %F, %e, %E, with or
// without l) rounded as above; every other conversion as printf writes it.
[[gnu::format(printf, 1, 2)]] std::string formatNumbers(const char* format, ...);
std::string formatNumbersV(const char* format, std::va_list args);
// The same appended to `text`, which saves a string per call where many entries make one text.
void appendNumbersV(std::string& text, const char* format, std::va_list args);

// `value` as "%.*f" writes it, rounded as above: fixedDecimals(2.25, 1) is "2.3".
std::string fixedDecimals(double value, int decimals);

} // namespace korvel
