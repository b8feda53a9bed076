#pragma once
// Opening a route as "MODIFY OLD ROUTE" does, and showing it, for the commands that work on a
// saved route.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli_context.h"
#include "commands.h"
#include "route/route_hop_status.h"
#include "route/route_record.h"

namespace korvel::cli {

// One mark per hop of a route.
using HopMarks = std::array<bool, static_cast<std::size_t>(kMaxRouteHops)>;
// The bytes of each hop file of a route, read once when the route is opened (empty for a hop
// that could not be read).
using HopImages = std::array<std::vector<std::uint8_t>, static_cast<std::size_t>(kMaxRouteHops)>;

// Reads the route file and every hop file of it from the route file's folder. A hop that cannot
// be read is named by its number, its slot cleared and marked in `unreadable`: "ROUTE: hop 3
// (NAME): cannot read" (with the rule when the route rules refuse its name, "hop 3: cannot read:
// no hop file name" for an empty one) or "...: not a valid hop file". False after "ROUTE: cannot
// read", "ROUTE: not a valid route file" or the library's refusal of the route's radio. The
// bytes of the hops go to `images` when given.
bool openRouteForCommand(CliContext& context, const std::string& file, RouteState& route,
                         HopMarks& unreadable, HopImages* images = nullptr);

// The number of marked hops; a command that shows a route with unreadable hops fails.
int markedHopCount(const HopMarks& marks);

// The hops whose stored results are not what a calculation of their data gives now (radio,
// length or other data changed since, never calculated, or no longer calculable), among those
// that could be read.
HopMarks staleHops(const RouteState& route, const RouteHopStatuses& statuses,
                   const HopMarks& unreadable);

// The route table: one line per hop ("stale" after one out of date, "not calculated" after one
// that holds values but cannot be calculated or holds no results), then total outage (saying how
// many hops it leaves out as not calculated), objective, design margin and the route's verdict
// ("incomplete: ..." while a hop is not calculated or out of date).
void printRoute(const RouteState& route, const HopMarks& stale, const RouteHopStatuses& statuses);

// On stderr, for each hop whose stored results are not what its data gives now: "ROUTE: hop 2
// (NAME): the results stored in the file do not belong to its data; ...".
void warnOutOfDateHops(const std::string& file, const RouteState& route,
                       const RouteHopStatuses& statuses);

// After the table of a route with hops out of date: which ones, and the command that refreshes
// them.
void printRefreshHint(const std::string& file, const HopMarks& stale);

// route calc, a subcommand of `route`.
void addRouteCalcCommand(CLI::App* route, CliContext& context, Action& action);

} // namespace korvel::cli
