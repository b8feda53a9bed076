#pragma once
// A sweep: one input of the hop varied over a range, and at each point what the hop calculation
// gives: the total outage (with diversity where the hop has it), its flat and selective parts
// and, at 6 GHz and above, the rain unavailability at the hop's rain rate.

#include <span>
#include <string>
#include <vector>

#include "engine/calculate_hop.h"
#include "engine/hop_record.h"
#include "engine/rain.h"
#include "series/sweep_input.h"

namespace korvel {

enum class PointOutcome {
    Results,   // the calculation went through (status 1, -2, -3 or -5)
    Stopped,   // the calculation stopped (-1 or -4): no numbers
    NotFinite, // a result is not a finite number: no numbers
};

struct SweepPoint {
    double value = 0; // of the swept input, in its unit
    PointOutcome outcome = PointOutcome::Results;
    CalcStatus status = CalcStatus::Ok;
    double outagePct = 0;    // p without diversity, pd with, % of the worst month
    double flatPct = 0;      // pfm or pfmd
    double selectivePct = 0; // psm or psmd
    RainOutage rain;         // kRainNotComputedPct unless the sweep has rain
};

struct Sweep {
    SweepInput input = SweepInput::Diameter;
    double currentValue = 0; // the hop's own value of the input
    double objectivePct = 0; // the hop's outage objective, %
    bool hasRain = false;    // 6 GHz and above: every point with results carries rain numbers
    std::vector<SweepPoint> points;
    SweepPoint own; // the hop as it is (both antennas as they are), at currentValue
};

// One point: a copy of the hop with the input at `value`, calculated.
SweepPoint sweepPoint(const HopState& hop, SweepInput input, double value);

// Every point of the range in order. The caller checks the input and the range first
// (sweepInputRefusal, sweepRangeRefusal).
Sweep sweepHop(const HopState& hop, SweepInput input, const SweepRange& range);
// The points at `values`, in their order (the diameters the library offers, say).
Sweep sweepHop(const HopState& hop, SweepInput input, std::span<const double> values);

// Why the calculation gives no numbers at a point: the status's words, or "a result is not a
// finite number".
std::string stopReason(const SweepPoint& point);

// The point nearest `value` (of the swept input); none for a sweep without points.
const SweepPoint* nearestPoint(const Sweep& sweep, double value);

} // namespace korvel
