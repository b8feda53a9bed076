#pragma once
// The New defaults of the hop state.

#include <cstdint>

#include "engine/hop_record.h"

namespace korvel {

// Every input to its New default; reserved1 and reserved2 keep what they hold.
void resetHopRecord(HopRecord& record);

// Results 4 to 18 (Lc1 .. Ism) to 0, both rain results to -1; cLat, cLon and K are kept.
void resetHopResults(HopResults& results);

// Which of its three powers and six thresholds the library's first radio starts with.
struct FirstRadioDefaults {
    std::int16_t defaultPtx = 0;   // 0..2
    std::int16_t defaultPrxth = 0; // 0..5
};

// First radio with its default choices, typed OTHER texts cleared, antenna and feeder
// selections reset, branchingLossSet cleared and the water vapour density back to 7.5 g/m3.
// The numeric entry bookkeeping is reset by the caller (it belongs to the pages).
void resetHopSelection(HopState& hop, FirstRadioDefaults firstRadio);

// Antenna indices to 3 for Parab solid, 0 otherwise; diameter and gain override flags cleared.
void resetAntennaSelection(HopSelection& selection, AntennaType antennaType);

// Feeder indices to 1 for Foam or Air, 3 for Both, 0 otherwise; loss override flags cleared.
void resetFeederSelection(HopSelection& selection, FeederInsulation insulation);

} // namespace korvel
