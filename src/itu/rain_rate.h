#pragma once
// Rain rate exceeded for a percentage of an average year from the monthly mean temperature and
// rainfall (ITU-R P.837-7 Annex 1), for sites where the R0.01 map is not at hand.

#include <array>

namespace korvel::itu {

struct MonthlyClimate {
    std::array<double, 12> totalRainfallMm{}; // MT, January first, mm (0 or more)
    std::array<double, 12> temperatureK{};    // T, mean surface temperature, K
};

// R_p in mm/h for p in % of an average year (above 0; 0.01 gives R0.01). 0 when p exceeds the
// percentage of the year it rains at all (deserts), solved to 1e-6 relative.
double rainRateExceededMmH(const MonthlyClimate& climate, double pct);

} // namespace korvel::itu
