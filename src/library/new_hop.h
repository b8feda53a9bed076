#pragma once
// The New defaults of the whole hop state against a library: record, results and selection,
// the selection starting from the library's first radio with its default power and threshold.

#include "engine/hop_record.h"
#include "library/equipment_library.h"

namespace korvel {

void resetHopState(HopState& hop, const EquipmentLibrary& library);

} // namespace korvel
