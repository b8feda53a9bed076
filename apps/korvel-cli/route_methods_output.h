#pragma once
// route ROUTEFILE --methods: each hop's method columns, calculated from its file as calc does
// (nothing saved), and the route's total per method, as text after the route table or as JSON.

#include <array>
#include <string>
#include <vector>

#include "itu/route_methods.h"
#include "methods_output.h"
#include "route_loading.h"

namespace korvel::cli {

struct RouteMethodTotals {
    itu::MethodId method = itu::MethodId::Classic;
    // The classic route adds its hops' outages; the current ones fade simultaneously (§2.3.7).
    itu::RouteMethodTotal total;
};

struct RouteMethods {
    std::vector<std::array<itu::MethodResult, 3>> hops; // route order
    std::vector<RouteMethodTotals> totals;              // the chosen methods, in column order
};

// A hop that cannot be read or calculated has columns without figures.
RouteMethods routeMethods(CliContext& context, const std::string& routeFile,
                          const RouteState& route, const HopImages& images,
                          const HopMarks& unreadable, const MethodsOptions& options);

void appendRouteMethodsText(std::string& text, const RouteState& route, const RouteMethods& methods,
                            const MethodsOptions& options);

// "methods" of hop `hop`, inside the hop's object.
void writeRouteHopMethodsJson(JsonWriter& json, const RouteMethods& methods,
                              const MethodsOptions& options, std::size_t hop);
// "methodTotals": [...] inside the route's object.
void writeRouteTotalsJson(JsonWriter& json, const RouteMethods& methods);

} // namespace korvel::cli
