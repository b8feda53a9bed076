#pragma once
// Opening a saved route (MODIFY OLD ROUTE).

#include <filesystem>

#include "library/equipment_library.h"
#include "platform/messages.h"
#include "route/route_record.h"

namespace korvel {

// Reads the route file at `file` (the route's folder becomes the file's folder) and its sidecar
// (the availability objective; one that cannot be used is said so and judges nothing), then sums
// the hop outages reading every hop file with clear-on-failure. On a failed read `fileName` is
// emptied and the rest of the route is left as it was.
bool openRoute(RouteState& state, const EquipmentLibrary& library,
               const std::filesystem::path& file, Messages& messages);

} // namespace korvel
