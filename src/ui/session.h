#pragma once
// The one Session of a run: the hop, the route, the library, the field status and the
// application state, with the ports through which the program reaches the user. main() makes it.

#include <string>

#include "engine/hop_record.h"
#include "fields/numeric_entry.h"
#include "library/equipment_library.h"
#include "platform/dialog_host.h"
#include "platform/file_chooser.h"
#include "platform/main_window_view.h"
#include "platform/messages.h"
#include "platform/profile.h"
#include "report/date_stamp.h"
#include "route/route_record.h"

namespace korvel {

struct SessionPorts {
    Messages& messages;
    FileChooser& files;
    DialogHost& dialogs;
    MainWindowView& window;
    const Profile& profile;
};

class Session {
  public:
    Session(SessionPorts ports, std::string libraryPath);

    SessionPorts ports;
    std::string libraryPath; // the library file read at start and at every New

    HopState hop;
    RouteState route;
    EquipmentLibrary library;
    NumericEntryState fields;
    DateSettings dateSettings;
    // Application state (see ApplicationState in application_state.h) lives here as well.
};

} // namespace korvel
