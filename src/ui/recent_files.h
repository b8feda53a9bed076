#pragma once
// The files opened or saved last, most recent first, as File > Open Recent lists them.

#include <filesystem>
#include <string>
#include <vector>

namespace korvel {

class MainWindowView;

inline constexpr std::size_t kRecentFileCount = 8; // commands 120 to 127

// `utf8Path` becomes the most recent; it appears once, and the list keeps kRecentFileCount.
void rememberRecentFile(std::vector<std::string>& recent, const std::string& utf8Path);

// Drops `utf8Path` from the list (a file that no longer exists).
void forgetRecentFile(std::vector<std::string>& recent, const std::string& utf8Path);

// The file just opened or saved becomes the most recent of the window's menu; the path is kept
// as the file system spells it (bytes that are not UTF-8 included).
void rememberRecentFile(MainWindowView& window, const std::filesystem::path& file);

} // namespace korvel
