#include "ui/start_panel.h"

#include "ui/hop_files.h"
#include "ui/session.h"

namespace korvel {

void StartPanel::open(DialogView& view) {
    view_ = &view;
    session_.app.currentPageId = kStartPanelId;
    view.setEnabled(kNewRouteButton, false);
    view.setEnabled(kModifyOldRouteButton, false);
}

void StartPanel::onCommand(ControlId control) {
    MainWindowView& window = session_.ports.window;
    switch (control) {
    case kOneHopButton:
        window.eraseBanner();
        window.postCommand(Command::RadioPage);
        break;
    case kModifyOldHopButton:
        window.eraseBanner();
        if (chooseFile(session_, view_, FileDialogUse::OpenHop)) {
            // A hop that failed its checks has already overwritten the hop state: start anew.
            window.postCommand(openChosenHop(session_) ? Command::BasicsPage : Command::New);
        }
        break;
    default:
        break;
    }
}

} // namespace korvel
