#pragma once
// A route plan as JSON: {"info", "radioName", "objectivePct", "division", "hops": [{"file",
// "station1", "station2", "lengthKm", "objectivePct"}]}; texts in UTF-8, numbers in km and %.

#include <string>

#include "route/route_plan.h"

namespace korvel::cli {

// Fills `plan` (all but its folder and file name) from the document. Returns the first problem
// as "hops[2].lengthKm: expected a number", in the words of every JSON source, or "".
std::string readRoutePlanJson(const std::string& document, RoutePlan& plan);

} // namespace korvel::cli
