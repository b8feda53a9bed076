#pragma once
// Expectations about the main window itself rather than its page: its size, its menu items'
// texts and keys, and its place among the program's other windows.

#include <optional>
#include <string>

namespace korvel {

class QtMainWindow;

// `expect size W H`, `expect item N TEXT`, `expect key N KEYS`, `expect windows apart`. Nothing
// when `what` is none of them; else the failure, empty when the expectation is met.
std::optional<std::string> checkMainWindow(const QtMainWindow& window, const std::string& what,
                                           const std::string& rest);

} // namespace korvel
