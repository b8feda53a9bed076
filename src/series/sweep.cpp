#include "series/sweep.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace korvel {

namespace {

SweepPoint calculatedPoint(HopState changed, double value) {
    SweepPoint point;
    point.value = value;
    point.status = calculateHop(changed).status;
    if (!producedResults(point.status)) {
        point.outcome = PointOutcome::Stopped;
        return point;
    }
    if (!resultsAreFinite(changed.results)) {
        point.outcome = PointOutcome::NotFinite;
        return point;
    }
    const HopRecord& r = changed.record;
    const HopResults& out = changed.results;
    const bool diversity = r.diversityMode != DiversityMode::No;
    point.outagePct = diversity ? out.pd : out.p;
    point.flatPct = diversity ? out.pfmd : out.pfm;
    point.selectivePct = diversity ? out.psmd : out.psm;
    if (r.frequencyGHz >= kRainMinimumFrequencyGHz) {
        point.rain =
            rainOutage(r.frequencyGHz, r.hopLengthKm, out.M, r.rainRateMmH, r.polarization);
    }
    return point;
}

Sweep emptySweep(const HopState& hop, SweepInput input) {
    Sweep sweep;
    sweep.input = input;
    sweep.currentValue = sweepInputValue(hop.record, input);
    sweep.objectivePct = hop.record.outageObjectivePct;
    sweep.hasRain = hop.record.frequencyGHz >= kRainMinimumFrequencyGHz;
    sweep.own = calculatedPoint(hop, sweep.currentValue);
    return sweep;
}

} // namespace

SweepPoint sweepPoint(const HopState& hop, SweepInput input, double value) {
    HopState changed = hop;
    applySweepInput(changed, input, value);
    return calculatedPoint(std::move(changed), value);
}

Sweep sweepHop(const HopState& hop, SweepInput input, const SweepRange& range) {
    Sweep sweep = emptySweep(hop, input);
    sweep.points.reserve(static_cast<std::size_t>(std::max(range.steps, 0)));
    for (int index = 0; index < range.steps; ++index) {
        sweep.points.push_back(sweepPoint(hop, input, sweepPointValue(range, index)));
    }
    return sweep;
}

Sweep sweepHop(const HopState& hop, SweepInput input, std::span<const double> values) {
    Sweep sweep = emptySweep(hop, input);
    for (const double value : values) {
        sweep.points.push_back(sweepPoint(hop, input, value));
    }
    return sweep;
}

std::string stopReason(const SweepPoint& point) {
    return point.outcome == PointOutcome::NotFinite ? "a result is not a finite number"
                                                    : std::string(statusText(point.status));
}

const SweepPoint* nearestPoint(const Sweep& sweep, double value) {
    const auto nearest = std::ranges::min_element(
        sweep.points, {}, [value](const SweepPoint& p) { return std::abs(p.value - value); });
    return nearest == sweep.points.end() ? nullptr : &*nearest;
}

} // namespace korvel
