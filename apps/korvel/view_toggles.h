#pragma once
// The View menu's ticks: the results dock and each chart window, shown or hidden.

#include <functional>
#include <string>

class QWidget;

namespace korvel {

class QtMainWindow;
class QtResultsWindow;

// `chartWindow` gives the open window of a chart's name ("budget", ...), or nullptr.
void addViewToggles(QtMainWindow& window, QtResultsWindow& results,
                    const std::function<QWidget*(const std::string&)>& chartWindow);

} // namespace korvel
