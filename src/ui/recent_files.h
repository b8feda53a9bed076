#pragma once
// The files opened or saved last, most recent first, as File > Open Recent lists them.

#include <string>
#include <vector>

namespace korvel {

inline constexpr std::size_t kRecentFileCount = 8; // commands 120 to 127

// `utf8Path` becomes the most recent; it appears once, and the list keeps kRecentFileCount.
void rememberRecentFile(std::vector<std::string>& recent, const std::string& utf8Path);

// Drops `utf8Path` from the list (a file that no longer exists).
void forgetRecentFile(std::vector<std::string>& recent, const std::string& utf8Path);

} // namespace korvel
