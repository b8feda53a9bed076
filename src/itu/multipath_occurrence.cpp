#include "itu/multipath_occurrence.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace korvel::itu {
namespace {

// Refusals shared by both editions: the limit crossed, or empty.
std::string_view rangeLimit(const HopGeometry& hop, double highestGHz) {
    if (hop.hopLengthKm < kMultipathShortestHopKm)
        return "hop shorter than 5 km";
    if (hop.frequencyGHz < 15.0 / hop.hopLengthKm)
        return "frequency below 15/d GHz";
    if (hop.frequencyGHz > highestGHz)
        return highestGHz == kP530v17HighestGHz ? "frequency above 37 GHz"
                                                : "frequency above 45 GHz";
    return {};
}

void notePastFittedData(const HopGeometry& hop, double dN1, std::optional<double> sa,
                        Notes& notes) {
    if (hop.hopLengthKm > 185.0)
        notes.add("outside the fitted data: d above 185 km");
    if (hop.inclinationMrad() > 37.0)
        notes.add("outside the fitted data: |ε_p| above 37 mrad");
    const double hL = hop.lowerAltitudeM();
    if (hL < 17.0 || hL > 2300.0)
        notes.add("outside the fitted data: h_L not within 17–2300 m");
    if (dN1 < -860.0 || dN1 > -150.0)
        notes.add("outside the fitted data: dN1 not within −860 to −150 N/km");
    if (sa && (*sa < 6.0 || *sa > 850.0))
        notes.add("outside the fitted data: s_a not within 6–850 m");
}

} // namespace

MultipathOccurrence p530v17Occurrence(const HopGeometry& hop, double dN1, std::optional<double> sa,
                                      Notes& notes) {
    MultipathOccurrence result;
    result.quick = !sa.has_value();
    const double d = hop.hopLengthKm;
    const double f = hop.frequencyGHz;
    const double ep = hop.inclinationMrad();
    const double hL = hop.lowerAltitudeM();
    if (sa && *sa < 0) {
        result.p0Pct = Figure::outside("s_a below 0 m");
        return result;
    }
    if (result.quick) {
        result.K = std::pow(10.0, -4.6 - 0.0027 * dN1);
        notes.add("quick K and p_w: no s_a");
    } else {
        result.K = std::pow(10.0, -4.4 - 0.0027 * dN1) * std::pow(10.0 + *sa, -0.46);
    }
    if (const std::string_view limit = rangeLimit(hop, kP530v17HighestGHz); !limit.empty()) {
        result.p0Pct = Figure::outside(limit);
        return result;
    }
    notePastFittedData(hop, dN1, sa, notes);
    const double p0 = result.quick ? *result.K * std::pow(d, 3.1) * std::pow(1.0 + ep, -1.29) *
                                         std::pow(f, 0.8) * std::pow(10.0, -0.00089 * hL)
                                   : *result.K * std::pow(d, 3.4) * std::pow(1.0 + ep, -1.03) *
                                         std::pow(f, 0.8) * std::pow(10.0, -0.00076 * hL);
    result.p0Pct = Figure::of(p0);
    return result;
}

double clearanceHeightM(const HopGeometry& hop, double meanTerrainM) {
    const double d = hop.hopLengthKm;
    return (hop.altitude1M + hop.altitude2M) / 2.0 - d * d / 102.0 - meanTerrainM;
}

MultipathOccurrence p530v18Occurrence(const HopGeometry& hop, double logK, double dN75, double hcM,
                                      Notes& notes) {
    MultipathOccurrence result;
    result.K = std::pow(10.0, logK);
    if (const std::string_view limit = rangeLimit(hop, kP530v18HighestGHz); !limit.empty()) {
        result.p0Pct = Figure::outside(limit);
        return result;
    }
    if (dN75 < 0) {
        result.p0Pct = Figure::outside("dN75 below 0");
        return result;
    }
    if (hcM < 0)
        notes.add("h_c < 0: grazing or obstructed path, p_w may be far too high");
    const double d = hop.hopLengthKm;
    const double f = hop.frequencyGHz;
    const double ducting =
        std::min(std::pow(dN75 / 50.0, 1.8) * std::exp(-hcM / (2.5 * std::sqrt(d))),
                 dN75 * std::pow(d, 1.5) * std::sqrt(f) / 24730.0);
    const double exponent = -0.376 * std::tanh((hcM - 147.0) / 125.0) -
                            0.334 * std::pow(hop.inclinationMrad(), 0.39) -
                            0.00027 * hop.lowerAltitudeM() + 17.85 * ducting;
    result.p0Pct = Figure::of(*result.K * std::pow(d, 3.51) * std::pow(f * f + 13.0, 0.447) *
                              std::pow(10.0, exponent));
    return result;
}

double deepFadePct(double p0Pct, double fadeDepthDb) {
    return p0Pct * std::pow(10.0, -fadeDepthDb / 10.0);
}

} // namespace korvel::itu
