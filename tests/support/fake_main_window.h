#pragma once
// A MainWindowView for presenter tests: records the title and the status bar (UTF-8), the menu,
// the banner, whether the window takes input, the guide opened, the commands posted, the end of
// the program and the modified mark.

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/main_window_view.h"

namespace korvel {

class FakeMainWindow final : public MainWindowView {
  public:
    void setTitle(std::string_view text) override { title = text; }
    void setMenuEnabled(Command item, bool on) override { menuEnabled[item] = on; }
    void setMenuChecked(Command item, bool on) override { menuChecked[item] = on; }
    void drawBanner() override { banner = true; }
    void eraseBanner() override { banner = false; }
    void postCommand(Command command) override { posted.push_back(command); }
    void setEnabled(bool on) override { enabled = on; }
    void showGuide() override { ++guideShown; }
    void quit(int exitCode) override { quitCode = exitCode; }
    void setStatus(std::string_view text) override { status = text; }
    void setModified(bool on) override { modified = on; }
    [[nodiscard]] std::vector<std::string> recentFiles() const override { return recent; }
    void setRecentFiles(const std::vector<std::string>& paths) override { recent = paths; }

    std::string title;
    std::map<Command, bool> menuEnabled;
    std::map<Command, bool> menuChecked;
    bool banner = false;
    bool enabled = true;
    int guideShown = 0;
    std::deque<Command> posted;
    std::optional<int> quitCode;
    std::string status;
    bool modified = false;
    std::vector<std::string> recent;
};

} // namespace korvel
