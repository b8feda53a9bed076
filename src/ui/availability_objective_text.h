#pragma once
// The availability objective as the planner types it (a hop's in the rain dialog, a route's on
// the route screen): a percentage of a year, or nothing for none.

#include <optional>
#include <string_view>

#include "platform/messages.h"

namespace korvel {

// The objective typed: none for blank text. A value out of range is said, and gives nothing.
std::optional<std::optional<double>> typedAvailabilityObjective(std::string_view text,
                                                                Messages& messages);

} // namespace korvel
