#include "ui/route_saving.h"

#include "platform/text_encoding.h"
#include "route/calculation_checks.h"
#include "route/route_file.h"
#include "route/route_folder.h"
#include "route/route_hop_files.h"
#include "route/route_overwrite.h"
#include "route/route_sidecar.h"
#include "ui/old_files_dialog.h"
#include "ui/page.h"
#include "ui/session.h"

namespace korvel {

namespace {

// Beside the route file, what its layout cannot hold: the availability objective.
bool writeRouteSidecar(const RouteState& route, Messages& messages) {
    const auto file = fileInRouteFolder(route, route.record.fileName.view());
    if (file &&
        saveRouteSidecar(*file, {route.availabilityObjectivePct}) == FileWriteResult::Written) {
        return true;
    }
    messages.show("Could not write " + pathToCp1252(routeSidecarPath(file.value_or("")).filename()),
                  kAppCaption, MessageIcon::Exclamation);
    return false;
}

} // namespace

bool writeRouteWithHopFiles(Session& session, DialogView* page) {
    RouteState& route = session.route;
    Messages& messages = session.ports.messages;
    if (!checkHopsBeforeCalculation(route, messages) || !routeFileReplaceable(route, messages) ||
        !routeHopFilesReplaceable(route, messages) || !writeRouteFile(route, messages) ||
        !writeRouteSidecar(route, messages)) {
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
