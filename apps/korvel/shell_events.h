#pragma once
// The main window's events go to the shell.

#include <functional>

#include "platform/qt/qt_main_window.h"
#include "ui/shell.h"
#include "user_profile.h"

namespace korvel {

class ShellEvents final : public MainWindowEvents {
  public:
    ShellEvents(Shell& shell, UserProfile& profile) : shell_(shell), profile_(profile) {}

    void onCommand(Command command) override {
        if (command == Command::Terrain && openTerrain) {
            openTerrain();
        } else {
            shell_.onCommand(command);
        }
    }
    void onOpenFile(const std::string& path) override { shell_.openFile(path); }
    bool onCloseRequest() override { return shell_.onCloseRequest(); }
    bool onShutdownQuery() override { return shell_.onShutdownQuery(); }
    void onSettingsChanged() override {
        profile_.reload();
        shell_.onSettingsChanged();
    }

    // Tools > Terrain...: the program's own window over the settings.
    std::function<void()> openTerrain;

  private:
    Shell& shell_;
    UserProfile& profile_;
};

} // namespace korvel
