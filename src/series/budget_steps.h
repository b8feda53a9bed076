#pragma once
// The link budget as a chain of steps from the transmitter to the receiver, for the budget
// waterfall and `korvel-cli budget`: each loss and gain in the order the signal meets it, then
// the receiver threshold and the margins above it.

#include <string_view>
#include <vector>

#include "engine/calculate_hop.h"
#include "engine/hop_record.h"

namespace korvel {

enum class BudgetStepKind {
    Level,       // an absolute power, dBm
    Loss,        // lowers the level, dB
    Gain,        // raises the level, dB
    Degradation, // raises the receiver threshold, dB
    Margin,      // the distance from the received power down to a threshold, dB
};

struct BudgetStep {
    std::string_view key;   // stable name for scripts ("ptx", "feeder1Loss", ...)
    std::string_view label; // what a chart or a table shows
    BudgetStepKind kind = BudgetStepKind::Level;
    double valueDb = 0;  // dBm for a level, dB otherwise; losses and gains as positive numbers
    double levelDbm = 0; // the power after the step (for a margin: the threshold it reaches)
};

struct LinkBudget {
    CalcStatus status = CalcStatus::Ok; // of the calculation the steps come from
    std::vector<BudgetStep> steps;
};

// Calculates a copy of the hop and lists its budget: transmitter power, branching loss, feeder 1,
// antenna 1 gain, path loss, additional terrain loss, antenna 2 gain, feeder 2, received power,
// receiver threshold, threshold degradation, flat fading margin and, with selective fading, the
// selective fading margin; for a space-diversity hop then the diversity antenna's gain and the
// power it receives, for a frequency-diversity hop the power received on the second frequency
// (its free-space loss the higher by 20 log((f + df) / f)). The budget is complete even when the
// calculation stopped after it (a margin of 0 or less, an obstructed path); the received power and
// the flat margin are the engine's own Prx and M.
LinkBudget linkBudgetSteps(const HopState& hop);

// The unit of a step's value: "dBm" for a level, "dBi" for an antenna's gain, else "dB".
std::string_view budgetStepUnit(const BudgetStep& step);

// Whether the step belongs to the diversity branch (drawn beside the main chain).
bool isDiversityStep(const BudgetStep& step);

// "level", "loss", "gain", "degradation" or "margin".
std::string_view budgetStepKindName(BudgetStepKind kind);

} // namespace korvel
