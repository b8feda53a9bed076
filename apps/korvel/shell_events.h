#pragma once
// The main window's events go to the shell.

#include "platform/qt/qt_main_window.h"
#include "ui/shell.h"

namespace korvel {

class ShellEvents final : public MainWindowEvents {
  public:
    explicit ShellEvents(Shell& shell) : shell_(shell) {}

    void onCommand(Command command) override { shell_.onCommand(command); }
    bool onCloseRequest() override { return shell_.onCloseRequest(); }
    bool onShutdownQuery() override { return shell_.onShutdownQuery(); }
    void onSettingsChanged() override { shell_.onSettingsChanged(); }

  private:
    Shell& shell_;
};

} // namespace korvel
