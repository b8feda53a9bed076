#include "platform/qt/qt_dock_place.h"

#include <algorithm>

namespace korvel {

namespace {

// The height the page takes above a dock below it, its scroll bar included when it is wider
// than the window.
int pageHeightAbove(const DockRoom& room) {
    const int bar = room.page.width() > room.window.width() ? room.scrollBar : 0;
    return room.page.height() + bar + room.separator;
}

} // namespace

DockPlace dockPlaceFor(const DockRoom& room) {
    // The page's own scroll bar is counted whether it shows or not: the decision must not
    // change with the place it makes, or the dock would go back and forth.
    const int across = room.page.width() + room.scrollBar + room.separator + room.dock.width();
    if (across <= room.window.width()) {
        return DockPlace::Beside;
    }
    if (pageHeightAbove(room) + room.belowMinimum <= room.window.height()) {
        return DockPlace::Below;
    }
    return DockPlace::Floating;
}

int dockHeightBelow(const DockRoom& room) {
    return std::max(room.belowMinimum,
                    std::min(room.dock.height(), room.window.height() - pageHeightAbove(room)));
}

} // namespace korvel
