#pragma once
// Expectations about the main window itself rather than its page: its size, its menu items'
// texts and keys, and its place among the program's other windows.

#include <optional>
#include <string>

class QTableWidget;

namespace korvel {

class QtMainWindow;

// `expect size W H`, `expect item N TEXT`, `expect key N KEYS`, `expect windows apart`,
// `expect page visible`. Nothing
// when `what` is none of them; else the failure, empty when the expectation is met.
std::optional<std::string> checkMainWindow(const QtMainWindow& window, const std::string& what,
                                           const std::string& rest);

// A table's row as its cells joined by " | ", as `expect row` compares it; "no such row".
std::string tableRowText(const QTableWidget& table, int row);

} // namespace korvel
