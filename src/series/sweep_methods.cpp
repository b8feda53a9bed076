#include "series/sweep_methods.h"

#include <string_view>

#include "engine/rain.h"

namespace korvel {
namespace {

constexpr std::string_view kSourceSwept = "swept";

// The classic column carries the point's classic rain, as the sweep's own rain column.
void addClassicRain(itu::MethodResult& classic, const HopState& point) {
    const HopRecord& r = point.record;
    if (!classic.available || r.frequencyGHz < kRainMinimumFrequencyGHz) {
        return;
    }
    itu::RainFigures rain;
    rain.R001MmH = r.rainRateMmH;
    rain.outagePct =
        rainOutage(r.frequencyGHz, r.hopLengthKm, point.results.M, r.rainRateMmH, r.polarization)
            .annualPct;
    classic.rain = rain;
}

} // namespace

std::vector<std::array<itu::MethodResult, 3>> sweepMethods(const HopState& hop, SweepInput input,
                                                           const SweepRange& range,
                                                           const HopSites* sites,
                                                           const itu::ClimateInputs& climate) {
    std::vector<double> values;
    for (int index = 0; index < range.steps; ++index) {
        values.push_back(sweepPointValue(range, index));
    }
    return sweepMethods(hop, input, values, sites, climate);
}

std::vector<std::array<itu::MethodResult, 3>> sweepMethods(const HopState& hop, SweepInput input,
                                                           std::span<const double> values,
                                                           const HopSites* sites,
                                                           const itu::ClimateInputs& climate) {
    std::vector<std::array<itu::MethodResult, 3>> points;
    points.reserve(values.size());
    const std::optional<GeoPoint> midpoint = itu::pathMidpoint(sites);
    const HopState uncalculated; // the columns of a point whose calculation stopped
    for (const double value : values) {
        HopState changed = hop;
        applySweepInput(changed, input, value);
        itu::HopMethodsInput in{&changed, sites, climate, midpoint};
        if (input == SweepInput::RainRate) {
            in.climate.R001 = itu::InputValue{value, "mm/h", kSourceSwept};
        }
        const CalcStatus status = calculateHop(changed).status;
        if (!producedResults(status) || !resultsAreFinite(changed.results)) {
            in.hop = &uncalculated;
        }
        points.push_back(itu::hopMethods(in));
        addClassicRain(points.back()[0], changed);
    }
    return points;
}

std::optional<double> methodCurveValue(const itu::MethodResult& m, SweepInput input) {
    if (input == SweepInput::RainRate) {
        return m.rain ? m.rain->outagePct : std::nullopt;
    }
    return m.totalWorstMonthPct;
}

} // namespace korvel
