#include "ui/recent_files.h"

#include <algorithm>

namespace korvel {

void rememberRecentFile(std::vector<std::string>& recent, const std::string& utf8Path) {
    forgetRecentFile(recent, utf8Path);
    recent.insert(recent.begin(), utf8Path);
    if (recent.size() > kRecentFileCount) {
        recent.resize(kRecentFileCount);
    }
}

void forgetRecentFile(std::vector<std::string>& recent, const std::string& utf8Path) {
    std::erase(recent, utf8Path);
}

} // namespace korvel
