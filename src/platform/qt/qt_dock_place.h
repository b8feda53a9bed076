#pragma once
// Where the results dock goes in a window of a given size: beside the page when both fit across,
// below it when the page leaves room under it for the first lines, else floating. The window
// never grows for the dock.

#include <QSize>

namespace korvel {

enum class DockPlace { Beside, Below, Floating };

struct DockRoom {
    QSize window;     // the main window less its menu and status bars
    QSize page;       // the room the page needs, margins included
    QSize dock;       // the room the docked results ask for
    int belowMinimum; // the least height below the page that shows the results' first lines
    int separator;    // the splitter between the page and the dock
    int scrollBar;    // the extent of a scroll bar
};

[[nodiscard]] DockPlace dockPlaceFor(const DockRoom& room);

// The dock's height below the page: what it asks for, within what the page leaves.
[[nodiscard]] int dockHeightBelow(const DockRoom& room);

} // namespace korvel
