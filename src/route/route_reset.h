#pragma once
// The New defaults of the route.

#include <filesystem>

#include "library/equipment_library.h"
#include "route/route_record.h"

namespace korvel {

// Record, hop table and run state to their defaults; the route works in `folder`. The radio is
// the library's first (an empty library leaves the radio fields at their defaults).
void resetRoute(RouteState& state, const EquipmentLibrary& library,
                const std::filesystem::path& folder);

// A slot whose hop file could not be read: no stations, zero values, rain not computed.
void clearHopSlot(RouteHopSlot& slot);

// The threshold column's BER exponent of `radio` for a threshold choice (1015..1020).
std::int16_t berExponentOfChoice(const RadioEntry& radio, std::int16_t prxthChoice);

} // namespace korvel
