#pragma once
// Reading the few values the route needs of a hop file into the hop's slot of the route.

#include <cstdint>
#include <span>
#include <string_view>

#include "engine/hop_record.h"
#include "platform/messages.h"
#include "route/route_record.h"

namespace korvel {

// Slot values of a hop: stations (cut to 19 characters), objective (%), length (km), the annual
// rain unavailability (%) and the outage (%): p without diversity, pd with Freq or Space.
void fillHopSlot(RouteHopSlot& slot, const HopRecord& record, const HopResults& results);

// Reads hop file `name` (Windows-1252, in the route's folder) of either layout into slot
// `slotIndex`. A file that does not open gives `name` + " not found."; a 16-bit file tells so
// and is read; a wrong magic or a file shorter than its layout gives "The file " + `name` +
// " is not a valid Korvel hopfile.". On failure the slot is cleared when `clearOnFailure` is set
// and kept otherwise. No hop state is touched and no library check runs.
bool readHopIntoSlot(RouteState& state, std::string_view name, int slotIndex, bool clearOnFailure,
                     Messages& messages);
// The same for hop `name` whose bytes were already read; the slot is cleared on failure.
bool readHopImageIntoSlot(RouteState& state, std::string_view name,
                          std::span<const std::uint8_t> image, int slotIndex, Messages& messages);

} // namespace korvel
