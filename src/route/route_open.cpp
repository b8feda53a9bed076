#include "route/route_open.h"

#include "platform/text_encoding.h"
#include "route/route_file.h"
#include "route/route_sidecar.h"
#include "route/route_summary.h"

namespace korvel {

bool openRoute(RouteState& state, const EquipmentLibrary& library,
               const std::filesystem::path& file, Messages& messages) {
    if (!readRouteFile(state, library, file, messages)) {
        state.record.fileName.clear();
        return false;
    }
    // A sidecar that cannot be used judges nothing, and is said so; it stays as it is.
    const RouteSidecarRead sidecar = loadRouteSidecar(file);
    state.availabilityObjectivePct = sidecar.sidecar.availabilityObjectivePct;
    if (!sidecar.error.empty()) {
        messages.show(pathToCp1252(routeSidecarPath(file).filename()) + ": " + sidecar.error,
                      kAppCaption, MessageIcon::Exclamation);
    }
    return summarizeOpenedRoute(state, messages);
}

} // namespace korvel
