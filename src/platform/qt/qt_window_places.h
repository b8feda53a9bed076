#pragma once
// Where the chart windows open: beside the main window, each in a place of its own, so that a
// chart never hides the page that made it nor another chart.

#include <optional>

#include <QPoint>
#include <QSize>

class QWidget;

namespace korvel {

// The free place on the screen nearest the main window's right edge for a window of `size`
// (its frame aside) that no other window of the program covers, `placed` itself left out; none
// when the screen has no such place.
std::optional<QPoint> freePlaceBeside(const QWidget& main, QSize size,
                                      const QWidget* placed = nullptr);

// Moves `window` (a chart, the Sweep or the Profile window, not shown yet) to the place on the
// screen nearest the main window's right edge that no other window of the program covers; where
// the screen has no such place, cascaded from its right edge.
void placeBesideMainWindow(QWidget& window, const QWidget& main);

} // namespace korvel
