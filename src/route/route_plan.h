#pragma once
// A route described by plain values, as a tool reads it from a JSON file, turned into the route.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "library/equipment_library.h"
#include "platform/messages.h"
#include "route/route_record.h"

namespace korvel {

struct RoutePlanHop {
    std::string fileName{}; // Windows-1252, no folder; ".HOP" added when it has no extension
    std::string station1{}; // cut to 19 characters
    std::string station2{};
    double lengthKm = 0;
    double objectivePct = 0; // kept only with manual division
};

struct RoutePlan {
    std::filesystem::path folder{}; // must exist
    std::string fileName{};         // Windows-1252, no folder; ".ROU" added when it has none
    std::string info{};             // cut to 39 characters
    std::string radioName{};        // a library radio; empty: the library's first
    double objectivePct = 0;
    DivisionMethod division = DivisionMethod::Number;
    std::vector<RoutePlanHop> hops{}; // 1 to 20
    // Windows-1252: the `directory` field when it is a relative name of `folder` ("."); empty:
    // the folder itself.
    std::string directory{};
    // The route's availability objective, % of a year (kept in the route's sidecar file).
    std::optional<double> availabilityObjectivePct{};
};

struct HopNameRefusal {
    std::size_t hop;    // index into RoutePlan::hops
    std::string reason; // Windows-1252
};

// The first hop of the plan whose file name the route refuses, and why: a name the hop dialog
// would not store, a folder, or the file of an earlier hop (two hops naming one file would share
// its stations and length).
std::optional<HopNameRefusal> refusedHopName(const RoutePlan& plan);

// Resets the route against the library and fills it from the plan, the radio with its default
// power and threshold, then divides the objective. A plan that does not fit is refused with a
// message and leaves `state` untouched: "Invalid number of hops.", "Invalid route directory",
// "Invalid data." (route file name, negative numbers, unknown division), "Invalid hop filename."
// or the missing-radio message; a `directory` that is not a relative name of the folder gives
// "Invalid route directory" too.
bool routeFromPlan(RouteState& state, const EquipmentLibrary& library, const RoutePlan& plan,
                   Messages& messages);

} // namespace korvel
