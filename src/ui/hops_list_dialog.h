#pragma once
// The Hops list ("View hops..."): the route's outage summary from its hop files and the hop
// being edited, and a switch to another hop of the route.

#include "platform/dialog_view.h"

namespace korvel {

class Session;

inline constexpr ControlId kHopsList = 1811;
inline constexpr ControlId kDisregardChangesTick = 1816;
inline constexpr ControlId kRouteObjectiveLabel = 1802;
inline constexpr ControlId kRouteOutageLabel = 1815;
inline constexpr ControlId kDesignMarginLabel = 1817;
inline constexpr ControlId kRouteChartButton = 1823;
// Under the route outage: the route's verdict, "incomplete: ..." while a hop is missing or stale.
inline constexpr ControlId kRouteVerdictLabel = 1822;

// Reads the route file as saved (nothing is shown when that fails) and sums the route. Ok saves
// the hop being edited and the route unless "Disregard changes of current hop" is ticked, then
// loads the chosen hop; the dialog stays open when a save or the load fails. True when another
// hop (or the same one again) is now the hop being edited.
bool runHopsListDialog(Session& session);

} // namespace korvel
