#include "route/route_open.h"

#include "route/route_file.h"
#include "route/route_summary.h"

namespace korvel {

bool openRoute(RouteState& state, const EquipmentLibrary& library,
               const std::filesystem::path& file, Messages& messages) {
    if (!readRouteFile(state, library, file, messages)) {
        state.record.fileName.clear();
        return false;
    }
    return summarizeOpenedRoute(state, messages);
}

} // namespace korvel
