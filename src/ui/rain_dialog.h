#pragma once
// The rain dialog: polarization and rain rate, the rain unavailability computed from them, and
// OK storing it into the hop (Clear removes the hop's rain data instead), with the availability
// objective the rain is judged against (kept in the hop's sites file).

#include <optional>

#include "platform/dialog_view.h"

namespace korvel {

class DialogHost;
class Messages;
struct HopState;
class NumericEntryState;

inline constexpr ControlId kHorizontalButton = 2000;
inline constexpr ControlId kVerticalButton = 2001;
inline constexpr ControlId kRainRateField = 2002;
inline constexpr ControlId kRainWorstMonthLabel = 2003;
inline constexpr ControlId kRainAnnualLabel = 2004;
inline constexpr ControlId kRainCalculateButton = 2005;
inline constexpr ControlId kRainClearButton = 2006;
// The annual rain unavailability the planner allows the hop, % of a year; empty: not judged.
inline constexpr ControlId kAvailabilityObjectiveField = 2007;

// What the dialog reads and stores, and where it runs and speaks.
struct RainDialogParts {
    HopState& hop;
    std::optional<double>& availabilityObjectivePct; // kept with the hop's sites
    NumericEntryState& fields;
    DialogHost& dialogs;
    Messages& messages;
};

// Runs the dialog over the main window; true after OK.
bool runRainDialog(const RainDialogParts& parts);

} // namespace korvel
