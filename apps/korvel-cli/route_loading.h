#pragma once
// Opening a route as "MODIFY OLD ROUTE" does, for the commands that work on a saved route.

#include <string>

#include "cli_context.h"
#include "route/route_record.h"

namespace korvel::cli {

// Reads the route file and every hop file of it from the route file's folder (a hop file that
// cannot be read is reported and its slot cleared). False when the route cannot be used.
bool openRouteForCommand(CliContext& context, const std::string& file, RouteState& route);

} // namespace korvel::cli
