#include "series/sweep_methods.h"

#include <algorithm>
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
    std::vector<std::array<itu::MethodResult, 3>> points;
    points.reserve(static_cast<std::size_t>(std::max(range.steps, 0)));
    const std::optional<GeoPoint> midpoint = itu::pathMidpoint(sites);
    const HopState uncalculated; // the columns of a point whose calculation stopped
    for (int index = 0; index < range.steps; ++index) {
        const double value = sweepPointValue(range, index);
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

} // namespace korvel
