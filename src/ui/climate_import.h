#pragma once
// Importing the ITU's climate maps from the desktop: the file the planner chooses (a zip as
// downloaded, a grid file, an .npz) through the same import as the tool's, into the same cache.

#include <memory>

namespace korvel {

class BusyWork;
class ClimateMaps;
class FileChooser;
class Messages;

// Runs the file dialog and imports what it names, away from the window when there is busy work
// (the window stays drawn, a busy note with Cancel over it; none: run here); the opened maps are
// dropped after, to be opened anew. A refused import is said, naming the file, and the cache keeps
// what it had. False when nothing was imported (cancelled or refused).
bool importChosenClimateMaps(FileChooser& files, Messages& messages, BusyWork* busyWork,
                             std::shared_ptr<const ClimateMaps>& openedMaps);

} // namespace korvel
