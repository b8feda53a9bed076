#pragma once
// Takes the library's values for the hop's selection into the hop record, as the Form page
// shows them after a combination was chosen: the command-line tool calls this before it
// recalculates the hop.

#include "engine/hop_record.h"
#include "library/equipment_library.h"

namespace korvel {

// For antennas 1 and 2 (and the diversity antenna with space diversity): the diameter (m) at
// the selected index of the hop's antenna type unless the user typed one, and the gain (dBi)
// computed from that library diameter unless the user typed one. For feeders 1 and 2: the loss
// per 100 m (dB) of the selected type at the hop's current feeder table and row unless the user
// typed one. A value the library does not have (feeder row -1, an index outside a table) leaves
// the field as it was.
void takeLibraryValues(HopState& hop, const EquipmentLibrary& library);

} // namespace korvel
