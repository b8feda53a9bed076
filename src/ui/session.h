#pragma once
// The one Session of a run: the hop, the route, the library, the field status and the
// application state, with the ports through which the program reaches the user. main() makes it.

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/hop_record.h"
#include "fields/numeric_entry.h"
#include "geo/hop_sites.h"
#include "library/equipment_library.h"
#include "platform/chart_view.h"
#include "platform/dialog_host.h"
#include "platform/file_chooser.h"
#include "platform/main_window_view.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/profile.h"
#include "platform/profile_view.h"
#include "platform/results_window.h"
#include "report/date_stamp.h"
#include "route/route_record.h"
#include "ui/application_state.h"

namespace korvel {

struct SessionPorts {
    Messages& messages;
    FileChooser& files;
    DialogHost& dialogs;
    MainWindowView& window;
    const Profile& profile;
    Printers& printers;
};

class Session {
  public:
    Session(SessionPorts ports, std::string libraryPath);

    SessionPorts ports;
    std::string libraryPath; // the library file read at start and at every New

    HopState hop;
    HopSites sites; // the hop's sites and profile, kept in the sites file beside the hop file
    RouteState route;
    EquipmentLibrary library;
    NumericEntryState fields;
    DateSettings dateSettings;
    ApplicationState app;
    // The Form page's results window; the program gives its own (none: results are not shown).
    ResultsWindow* resultsWindow = nullptr;
    // The chart windows and the Sweep window; the program gives its own (none: no charts).
    ChartWindows* charts = nullptr;
    SweepView* sweepView = nullptr;
    ProfileView* profileView = nullptr;

    // The hop, its field status and the route to their New defaults against the library.
    void resetHopAndRoute();
    // "Korvel - " and the current hop file name, or "(untitled)" without one.
    void updateTitle();
    // The six menu flags onto the menu, and the check mark on the page showing.
    void refreshMenu();
    // Today's date as every report heads it, in the user's date settings.
    [[nodiscard]] std::string reportDateStamp() const;
    // A file named without a folder lies in the working folder; any other name stands as given.
    [[nodiscard]] std::filesystem::path
    fileInWorkingFolder(const std::filesystem::path& file) const;
};

} // namespace korvel
