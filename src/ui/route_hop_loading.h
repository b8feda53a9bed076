#pragma once
// Making a hop of the route the hop being edited (HopCalc, the Hops list's Ok).

namespace korvel {

class Session;

// Reads hop `currentHop` of the route into the hop state with the library checks. The hop file
// name and the working folder follow it, so Save and the reports work on the route's hop file;
// the current feeder table and row follow the hop's frequency.
// False when the file cannot be used (its message has been shown).
bool loadRouteHop(Session& session);

} // namespace korvel
