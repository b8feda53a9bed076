#include "itu/gas_attenuation.h"

#include <array>
#include <cmath>

#include "itu/gas_lines.h"

namespace korvel::itu {
namespace {

// Strength, width and interference of one line; they depend on the atmosphere, not on f.
struct LineShape {
    double frequencyGHz = 0;
    double strength = 0;
    double width = 0;
    double interference = 0;
};

struct LineSet {
    std::array<LineShape, kOxygenLineCount> oxygen;
    std::array<LineShape, kWaterVapourLineCount> water;
    double dryPressureHPa = 0;
    double vapourPressureHPa = 0;
    double theta = 0;
};

LineSet linesFor(const Atmosphere& a) {
    LineSet set;
    const double p = a.dryPressureHPa;
    const double theta = 300.0 / a.temperatureK;
    const double e = a.waterVapourDensityGM3 * a.temperatureK / 216.7;
    set.dryPressureHPa = p;
    set.vapourPressureHPa = e;
    set.theta = theta;
    for (std::size_t i = 0; i < kOxygenLineCount; ++i) {
        const GasLine& l = kOxygenLines[i];
        LineShape& s = set.oxygen[i];
        s.frequencyGHz = l.frequencyGHz;
        s.strength = l.c1 * 1e-7 * p * std::pow(theta, 3.0) * std::exp(l.c2 * (1.0 - theta));
        const double width = l.c3 * 1e-4 * (p * std::pow(theta, 0.8 - l.c4) + 1.1 * e * theta);
        s.width = std::sqrt(width * width + 2.25e-6);
        s.interference = (l.c5 + l.c6 * theta) * 1e-4 * (p + e) * std::pow(theta, 0.8);
    }
    for (std::size_t i = 0; i < kWaterVapourLineCount; ++i) {
        const GasLine& l = kWaterVapourLines[i];
        LineShape& s = set.water[i];
        s.frequencyGHz = l.frequencyGHz;
        s.strength = l.c1 * 1e-1 * e * std::pow(theta, 3.5) * std::exp(l.c2 * (1.0 - theta));
        const double width =
            l.c3 * 1e-4 * (p * std::pow(theta, l.c4) + l.c5 * e * std::pow(theta, l.c6));
        s.width = 0.535 * width + std::sqrt(0.217 * width * width +
                                            2.1316e-12 * l.frequencyGHz * l.frequencyGHz / theta);
    }
    return set;
}

double lineShape(const LineShape& s, double f) {
    const double below = s.frequencyGHz - f;
    const double above = s.frequencyGHz + f;
    const double w2 = s.width * s.width;
    return f / s.frequencyGHz *
           ((s.width - s.interference * below) / (below * below + w2) +
            (s.width - s.interference * above) / (above * above + w2));
}

double dryContinuum(const LineSet& set, double f) {
    const double p = set.dryPressureHPa;
    const double theta = set.theta;
    const double d = 5.6e-4 * (p + set.vapourPressureHPa) * std::pow(theta, 0.8);
    const double ratio = f / d;
    return f * p * theta * theta *
           (6.14e-5 / (d * (1.0 + ratio * ratio)) +
            1.4e-12 * p * std::pow(theta, 1.5) / (1.0 + 1.9e-5 * std::pow(f, 1.5)));
}

GasAttenuation attenuationOf(const LineSet& set, double f) {
    double oxygen = 0;
    for (const LineShape& s : set.oxygen)
        oxygen += s.strength * lineShape(s, f);
    double water = 0;
    for (const LineShape& s : set.water)
        water += s.strength * lineShape(s, f);
    return {0.1820 * f * (oxygen + dryContinuum(set, f)), 0.1820 * f * water};
}

} // namespace

GasAttenuation gasAttenuation(double frequencyGHz, const Atmosphere& atmosphere) {
    return attenuationOf(linesFor(atmosphere), frequencyGHz);
}

GasAttenuation standardGasAttenuation(double frequencyGHz) {
    static const LineSet standard = linesFor(Atmosphere{});
    return attenuationOf(standard, frequencyGHz);
}

} // namespace korvel::itu
