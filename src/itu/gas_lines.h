#pragma once
// The line tables of the line-by-line gaseous attenuation: 44 oxygen lines (f_i, a1..a6) and 35
// water-vapour lines (f_i, b1..b6), frequencies in GHz.

#include <array>
#include <cstddef>

namespace korvel::itu {

struct GasLine {
    double frequencyGHz;
    double c1, c2, c3, c4, c5, c6; // a1..a6 for oxygen, b1..b6 for water vapour
};

inline constexpr std::size_t kOxygenLineCount = 44;
inline constexpr std::size_t kWaterVapourLineCount = 35;

extern const std::array<GasLine, kOxygenLineCount> kOxygenLines;
extern const std::array<GasLine, kWaterVapourLineCount> kWaterVapourLines;

} // namespace korvel::itu
