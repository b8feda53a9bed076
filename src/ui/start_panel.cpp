#include "ui/start_panel.h"

#include <string>

#include "platform/main_window_view.h"
#include "route/route_open.h"
#include "ui/hop_files.h"
#include "ui/recent_files.h"
#include "ui/session.h"

namespace korvel {

void StartPanel::open(DialogView& view) {
    view_ = &view;
    session_.app.currentPageId = kStartPanelId;
}

void StartPanel::onCommand(ControlId control) {
    MainWindowView& window = session_.ports.window;
    switch (control) {
    case kOneHopButton:
        window.eraseBanner();
        window.postCommand(Command::RadioPage);
        break;
    case kModifyOldHopButton: {
        window.eraseBanner();
        if (chooseFile(session_, view_, FileDialogUse::OpenHop)) {
            // A hop that failed its checks has already overwritten the hop state: start anew.
            const bool opened = openChosenHop(session_);
            if (opened) {
                rememberRecentFile(window, session_.app.fullFileName);
            }
            window.postCommand(opened ? Command::BasicsPage : Command::New);
        }
        break;
    }
    case kNewRouteButton:
        window.eraseBanner();
        window.postCommand(Command::RouteScreen);
        break;
    case kModifyOldRouteButton:
        window.eraseBanner();
        modifyOldRoute();
        break;
    default:
        break;
    }
}

void StartPanel::modifyOldRoute() {
    ApplicationState& app = session_.app;
    // The route dialog must not change the name of the hop being edited.
    const std::filesystem::path hopFileName = app.currentHopFileName;
    const bool chosen = chooseFile(session_, view_, FileDialogUse::OpenRoute);
    const std::filesystem::path routeFile = app.fullFileName;
    app.currentHopFileName = hopFileName;
    if (chosen && openRoute(session_.route, session_.library, routeFile, session_.ports.messages)) {
        rememberRecentFile(session_.ports.window, routeFile);
        session_.ports.window.postCommand(Command::RouteScreen);
    }
}

} // namespace korvel
