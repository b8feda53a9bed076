#include "itu/rain_coefficients.h"

#include <array>
#include <cmath>
#include <numbers>

namespace korvel::itu {
namespace {

template <std::size_t N> struct Fit {
    std::array<double, N> a, b, c;
    double m, constant;

    double at(double x) const {
        double sum = m * x + constant;
        for (std::size_t j = 0; j < N; ++j) {
            const double u = (x - b[j]) / c[j];
            sum += a[j] * std::exp(-u * u);
        }
        return sum;
    }
};

constexpr Fit<4> kLogKH{{-5.33980, -0.35351, -0.23789, -0.94158},
                        {-0.10008, 1.26970, 0.86036, 0.64552},
                        {1.13098, 0.45400, 0.15354, 0.16817},
                        -0.18961,
                        0.71147};
constexpr Fit<4> kLogKV{{-3.80595, -3.44965, -0.39902, 0.50167},
                        {0.56934, -0.22911, 0.73042, 1.07319},
                        {0.81061, 0.51059, 0.11899, 0.27195},
                        -0.16398,
                        0.63297};
constexpr Fit<5> kAlphaH{{-0.14318, 0.29591, 0.32177, -5.37610, 16.1721},
                         {1.82442, 0.77564, 0.63773, -0.96230, -3.29980},
                         {-0.55187, 0.19822, 0.13164, 1.47828, 3.43990},
                         0.67849,
                         -1.95537};
constexpr Fit<5> kAlphaV{{-0.07771, 0.56727, -0.20238, -48.2991, 48.5833},
                         {2.33840, 0.95545, 1.14520, 0.791669, 0.791459},
                         {-0.76284, 0.54039, 0.26809, 0.116226, 0.116479},
                         -0.053739,
                         0.83433};

constexpr double kRadPerDeg = std::numbers::pi / 180.0;

} // namespace

RainCoefficients rainCoefficients(double frequencyGHz, double elevationDeg, double tiltDeg) {
    const double x = std::log10(frequencyGHz);
    const double kH = std::pow(10.0, kLogKH.at(x));
    const double kV = std::pow(10.0, kLogKV.at(x));
    const double alphaH = kAlphaH.at(x);
    const double alphaV = kAlphaV.at(x);
    const double cosElevation = std::cos(elevationDeg * kRadPerDeg);
    const double mix = cosElevation * cosElevation * std::cos(2.0 * tiltDeg * kRadPerDeg);
    const double k = (kH + kV + (kH - kV) * mix) / 2.0;
    const double alpha =
        (kH * alphaH + kV * alphaV + (kH * alphaH - kV * alphaV) * mix) / (2.0 * k);
    return {k, alpha};
}

double pathElevationDeg(double altitude1M, double altitude2M, double hopLengthKm) {
    return std::atan(std::fabs(altitude2M - altitude1M) / (1000.0 * hopLengthKm)) / kRadPerDeg;
}

} // namespace korvel::itu
