#pragma once
// Opening a route as "MODIFY OLD ROUTE" does, and showing it, for the commands that work on a
// saved route.

#include <string>

#include "cli_context.h"
#include "commands.h"
#include "route/route_record.h"

namespace korvel::cli {

// Reads the route file and every hop file of it from the route file's folder (a hop file that
// cannot be read is reported and its slot cleared). False when the route cannot be used.
bool openRouteForCommand(CliContext& context, const std::string& file, RouteState& route);

// The number of hops of the opened route whose files could not be read (their slots show
// cleared); a command that shows such a route fails.
int unreadableHopCount(const RouteState& route);

// The route table: one line per hop, then total outage, objective and design margin.
void printRoute(const RouteState& route);

// route calc, a subcommand of `route`.
void addRouteCalcCommand(CLI::App* route, CliContext& context, Action& action);

} // namespace korvel::cli
