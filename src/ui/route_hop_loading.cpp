#include "ui/route_hop_loading.h"

#include "route/route_hop_files.h"
#include "ui/hop_files.h"
#include "ui/session.h"

namespace korvel {

bool loadRouteHop(Session& session) {
    RouteState& route = session.route;
    ApplicationState& app = session.app;
    if (!loadCurrentRouteHop(route, session.hop, session.library, app.currentHopFileName,
                             session.ports.messages)) {
        return false;
    }
    app.workingFolder = route.folder;
    app.fullFileName = route.folder / app.currentHopFileName;
    takeReadHop(session);
    return true;
}

} // namespace korvel
