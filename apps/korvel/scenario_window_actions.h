#pragma once
// Scenario lines that reach the main window as the desktop does rather than through its menu: a
// file dropped on it, and its close box.

#include <optional>
#include <string>

namespace korvel {

class QtMainWindow;

// `drop FILE` (relative to the working folder) and `close`. Nothing when `action` is neither;
// else what went wrong, empty when it was done.
std::optional<std::string> windowAction(QtMainWindow& window, const std::string& action,
                                        const std::string& rest);

} // namespace korvel
