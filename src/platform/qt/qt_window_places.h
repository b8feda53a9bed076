#pragma once
// Where the chart windows open: beside the main window, each in a place of its own, so that a
// chart never hides the page that made it nor another chart.

class QWidget;

namespace korvel {

// Moves `window` (a chart, the Sweep or the Profile window, not shown yet) to the place on the
// screen nearest the main window's right edge that no other window of the program covers; where
// the screen has no such place, cascaded from its right edge.
void placeBesideMainWindow(QWidget& window, const QWidget& main);

} // namespace korvel
