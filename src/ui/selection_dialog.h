#pragma once
// The combination list after a search: the user takes one combination into the hop.

#include "optimize/combination_lists.h"
#include "platform/dialog_view.h"

namespace korvel {

class DialogHost;
struct EquipmentLibrary;
struct HopState;

inline constexpr ControlId kCombinationList = 1700;
inline constexpr ControlId kCombinationHeader = 1702;
inline constexpr ControlId kObjectiveLabel = 1703;

// Runs the list over the main window; 1 when a combination was taken into the hop, else 0.
int runSelectionDialog(DialogHost& dialogs, HopState& hop, const EquipmentLibrary& library,
                       const CombinationLists& lists);

} // namespace korvel
