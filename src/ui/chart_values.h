#pragma once
// How the charts write and place their numbers: a value as text ("-" when it is none), and where
// a value stands on a logarithmic axis.

#include <limits>
#include <string>
#include <vector>

namespace korvel::chart_values {

inline constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

// The value in `format` (printf's), or "-" when it is not a finite number.
std::string number(double value, const char* format);

// A percentage of time with six significant digits, as the tables give it.
std::string percent(double value);

// The value on a logarithmic axis, or NaN where it has no place there (0 or less).
double onLogAxis(double value);

// A decade below the smallest positive value: where bars on a logarithmic axis start.
double logFloor(const std::vector<double>& values);

} // namespace korvel::chart_values
