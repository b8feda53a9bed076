#include "ui/recent_files.h"

#include <algorithm>
#include <system_error>

#include "platform/main_window_view.h"

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

void rememberRecentFile(MainWindowView& window, const std::filesystem::path& file) {
    std::vector<std::string> recent = window.recentFiles();
    std::error_code unknown;
    rememberRecentFile(recent, std::filesystem::absolute(file, unknown).string());
    window.setRecentFiles(recent);
}

} // namespace korvel
