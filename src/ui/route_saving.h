#pragma once
// Keeping the route: its file and the route's data in each of its hop files, as HopCalc writes
// them before it loads a hop, and as the save question's Yes writes them on the route screen.

namespace korvel {

class Session;
class DialogView;

// The route (already taken from the route screen or the hop box) checked for calculation, its
// file written, then its hop files after "Old files on disk !" when some exist; nothing written
// unless the route file and every hop file of it may be replaced. The hop state holds the last
// hop written. False when stopped (the message has been shown, or the planner cancelled).
bool writeRouteWithHopFiles(Session& session, DialogView* page);

} // namespace korvel
