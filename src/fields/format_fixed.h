#pragma once
// The one format of every number a page shows: fixed point, no exponent.

#include <string>

namespace korvel {

// The value rounded to `decimals` decimals (half away from zero, on the exact binary value),
// with at least one digit before the point and "-" in front of a negative value, whatever it
// rounds to (-0.04 with 1 decimal gives "-0.0"; negative zero gives "0.0"). The point is always
// written, so 0 decimals gives "12.". At most 24 digits: decimals are dropped first, so a value
// of 10^24 or more is written whole without decimals. Negative decimals count as 0. Infinities
// and NaN give "inf", "-inf" and "nan".
[[nodiscard]] std::string formatFixed(double value, int decimals);

} // namespace korvel
