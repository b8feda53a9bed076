#include "library/new_hop.h"

#include "engine/hop_reset.h"

namespace korvel {

void resetHopState(HopState& hop, const EquipmentLibrary& library) {
    resetHopRecord(hop.record);
    resetHopResults(hop.results);
    FirstRadioDefaults first;
    if (const RadioEntry* radio = library.radio(0)) {
        first = {radio->defaultPtx, radio->defaultPrxth};
    }
    resetHopSelection(hop, first);
}

} // namespace korvel
