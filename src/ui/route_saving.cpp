#include "ui/route_saving.h"

#include "geo/sites_file.h"
#include "platform/text_encoding.h"
#include "route/calculation_checks.h"
#include "route/objective_division.h"
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

// Each hop judges its rain against its share of the route's availability objective, as its
// outage against its share of the outage objective; a route without one leaves the hops' own.
bool shareAvailabilityObjective(const RouteState& route, Messages& messages) {
    const auto shares = availabilityShares(route);
    for (int i = 0; shares && i < route.record.hopCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const auto file = fileInRouteFolder(route, route.record.hopFile[index].view());
        const SitesRead read = file ? loadSites(*file) : SitesRead{};
        if (!file || read.status == SitesReadStatus::Refused ||
            read.sites.availabilityObjectivePct == (*shares)[index]) {
            continue; // a refused sites file is said when its hop is opened
        }
        HopSites sites = read.sites;
        sites.availabilityObjectivePct = (*shares)[index];
        if (saveSites(*file, sites) != FileWriteResult::Written) {
            messages.show("Could not write " + pathToCp1252(sitesFilePath(*file).filename()),
                          kAppCaption, MessageIcon::Exclamation);
            return false;
        }
    }
    return true;
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
                                messages, true) ||
        !shareAvailabilityObjective(route, messages)) {
        return false;
    }
    session.markRouteSaved();
    return true;
}

} // namespace korvel
