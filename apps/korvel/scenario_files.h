#pragma once
// Scenario lines that change files as another program would while Korvel runs (korvel-cli
// writing a sites file, a file turned into a folder), and that compare two files.

#include <optional>
#include <string>

namespace korvel {

// `write FILE TEXT` (`\n` in TEXT ends a line), `grid FILE ROWS COLUMNS VALUE` (a text grid of
// one value), `copy FROM TO`, `remove FILE`, `folder NAME`;
// names are relative to the working folder, and `\xNN` in a name stands for the byte NN (names
// that are not UTF-8).
// Nothing when `action` is none of them; else what went wrong, empty when it was done.
std::optional<std::string> fileAction(const std::string& action, const std::string& rest);

// `expect same A B`: what differs, empty when both files hold the same bytes.
std::string differenceBetween(const std::string& first, const std::string& second);

} // namespace korvel
