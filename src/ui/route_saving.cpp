#include "ui/route_saving.h"

#include "route/calculation_checks.h"
#include "route/route_file.h"
#include "route/route_hop_files.h"
#include "route/route_overwrite.h"
#include "ui/old_files_dialog.h"
#include "ui/page.h"
#include "ui/session.h"

namespace korvel {

bool writeRouteWithHopFiles(Session& session, DialogView* page) {
    RouteState& route = session.route;
    Messages& messages = session.ports.messages;
    if (!checkHopsBeforeCalculation(route, messages) || !routeFileReplaceable(route, messages) ||
        !routeHopFilesReplaceable(route, messages) || !writeRouteFile(route, messages)) {
        return false;
    }
    if (routeHopFilesExist(route)) {
        const PageDisabled disabled(page);
        if (!runOldFilesDialog(session.ports.dialogs, route)) {
            return false;
        }
    } else {
        route.overwriteRadioData = true;
        route.overwriteBasicData = true;
    }
    // The desktop never writes results of other data: each hop's are worked out again.
    if (!writeRouteIntoHopFiles(route, session.hop, session.library, session.app.currentHopFileName,
                                messages, true)) {
        return false;
    }
    session.markRouteSaved();
    return true;
}

} // namespace korvel
