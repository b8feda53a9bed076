#pragma once
// Price of one antenna and feeder combination, in the library's currency units.

#include <cstdint>
#include <optional>

#include "engine/hop_record.h"
#include "library/equipment_library.h"

namespace korvel {

// Library indices of one combination: diameters in the table of the hop's antenna type,
// feeder types as columns of the hop's current feeder table.
struct CombinationIndices {
    std::int16_t d1Index = 0;
    std::int16_t d2Index = 0;
    std::int16_t feeder1Index = 0;
    std::int16_t feeder2Index = 0;
    std::int16_t ddIndex = 0; // diversity antenna; meaningful with space diversity
};

// Antennas plus feeders (price per metre times length, plus the fixed price). Space diversity
// adds a diversity antenna at each end and a second feeder run beside each main feeder; 1+1
// usage doubles the feeders again. Empty when an index lies outside the library.
std::optional<double> combinationPrice(const HopRecord& record, const EquipmentLibrary& library,
                                       int feederTable, const CombinationIndices& indices);

} // namespace korvel
