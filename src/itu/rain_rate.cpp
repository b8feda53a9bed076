#include "itu/rain_rate.h"

#include <cmath>

namespace korvel::itu {
namespace {

constexpr std::array<double, 12> kDaysInMonth{31, 28.25, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr double kDaysInYear = 365.25;

struct MonthlyRain {
    std::array<double, 12> rateMmH{};   // r_i
    std::array<double, 12> weightPct{}; // N_i·P0_i / 365.25
    double annualPct = 0;               // P0_annual
};

MonthlyRain monthlyRain(const MonthlyClimate& climate) {
    MonthlyRain rain;
    for (std::size_t i = 0; i < 12; ++i) {
        const double days = kDaysInMonth[i];
        const double celsius = climate.temperatureK[i] - 273.15;
        double rate = celsius >= 0 ? 0.5874 * std::exp(0.0883 * celsius) : 0.5874;
        double probability = 100.0 * climate.totalRainfallMm[i] / (24.0 * days * rate);
        if (probability > 70.0) {
            probability = 70.0;
            rate = 100.0 / 70.0 * climate.totalRainfallMm[i] / (24.0 * days);
        }
        rain.rateMmH[i] = rate;
        rain.weightPct[i] = days * probability / kDaysInYear;
        rain.annualPct += rain.weightPct[i];
    }
    return rain;
}

// Percentage of the year the rate R (mm/h) is exceeded.
double exceededPct(const MonthlyRain& rain, double rateMmH) {
    double pct = 0;
    for (std::size_t i = 0; i < 12; ++i) {
        if (rain.weightPct[i] <= 0)
            continue;
        const double x = (std::log(rateMmH) + 0.7938 - std::log(rain.rateMmH[i])) / 1.26;
        pct += rain.weightPct[i] * 0.5 * std::erfc(x / std::sqrt(2.0));
    }
    return pct;
}

} // namespace

double rainRateExceededMmH(const MonthlyClimate& climate, double pct) {
    const MonthlyRain rain = monthlyRain(climate);
    if (!(pct < rain.annualPct))
        return 0.0;
    // The exceeded percentage falls as R grows: bisect ln R over 1e-6..2000 mm/h.
    double low = std::log(1e-6);
    double high = std::log(2000.0);
    while (high - low > 1e-7) {
        const double mid = 0.5 * (low + high);
        (exceededPct(rain, std::exp(mid)) > pct ? low : high) = mid;
    }
    return std::exp(0.5 * (low + high));
}

} // namespace korvel::itu
