#pragma once
// Importing the ITU's climate maps from the desktop: the file the planner chooses (a zip as
// downloaded, a grid file, an .npz) through the same import as the tool's, into the same cache.

namespace korvel {

class Session;

// Runs the file dialog and imports what it names, away from the window when the session has the
// means (the window stays drawn, a busy note with Cancel over it); the session's maps are opened
// anew after. A refused import is said, naming the file, and the cache keeps what it had. False
// when nothing was imported (cancelled or refused).
bool importChosenClimateMaps(Session& session);

} // namespace korvel
