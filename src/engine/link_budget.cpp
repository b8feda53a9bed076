#include "engine/link_budget.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/log_powers.h"
#include "engine/number_text.h"

namespace korvel {

namespace {

constexpr double kGaseousAbsorptionFromGHz = 10.0;

} // namespace

double antennaGainDbi(double diameterM, double frequencyGHz) {
    if (diameterM <= 0.0 || frequencyGHz <= 0.0) {
        return 0.0;
    }
    const double gain = 20.0 * std::log10(diameterM) + 20.0 * std::log10(frequencyGHz) + 17.8;
    // Round through the one-decimal text so the stored gain is exactly the value shown.
    return std::strtod(fixedDecimals(gain, 1).c_str(), nullptr);
}

double oxygenAttenuation(double frequencyGHz) {
    const double f = frequencyGHz;
    const double f2 = f * f;
    return (0.00719 + 6.09 / (f2 + 0.227) + 4.81 / ((f - 57.0) * (f - 57.0) + 1.5)) * f2 * 0.001;
}

double waterVapourAttenuation(double frequencyGHz, double waterVapourDensity) {
    const double f = frequencyGHz;
    const double rho = waterVapourDensity;
    const double line22 = 3.6 / ((f - 22.2) * (f - 22.2) + 8.5);
    const double line183 = 10.6 / ((f - 183.3) * (f - 183.3) + 9.0);
    const double line325 = 8.9 / ((f - 325.4) * (f - 325.4) + 26.3);
    return (0.05 + 0.0021 * rho + line22 + line183 + line325) * f * f * rho * 0.0001;
}

double pathLossDb(double hopLengthKm, double frequencyGHz, double waterVapourDensity,
                  MathGuard& guard) {
    // The length's message comes before the frequency's.
    const double lengthLog10 = log10FromLog(hopLengthKm, std::log(hopLengthKm), guard);
    const double frequencyLog10 = log10FromLog(frequencyGHz, std::log(frequencyGHz), guard);
    return pathLossFromLogsDb(lengthLog10, frequencyLog10, hopLengthKm, frequencyGHz,
                              waterVapourDensity);
}

double pathLossFromLogsDb(double lengthLog10, double frequencyLog10, double hopLengthKm,
                          double frequencyGHz, double waterVapourDensity) {
    double loss = 20.0 * lengthLog10 + 20.0 * frequencyLog10 + 92.5;
    if (frequencyGHz >= kGaseousAbsorptionFromGHz) {
        loss += (oxygenAttenuation(frequencyGHz) +
                 waterVapourAttenuation(frequencyGHz, waterVapourDensity)) *
                hopLengthKm;
    }
    return loss;
}

} // namespace korvel
