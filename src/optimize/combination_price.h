#pragma once
// Price of one antenna and feeder combination, in the library's currency units.

#include <array>
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

// The prices a search reads, taken once from the library: the antennas of the hop's type and
// the feeder types of its current feeder table (none when the table does not exist).
struct PriceTables {
    std::array<double, kMaxDiameters> antenna{};
    int antennaCount = 0;
    std::array<double, kMaxFeederTypes> feederPerMetre{};
    std::array<double, kMaxFeederTypes> feederFixed{}; // once per feeder, whatever its length
    int feederCount = 0;
};
PriceTables priceTables(const EquipmentLibrary& library, AntennaType type, int feederTable);

// Antennas plus feeders (price per metre times length, plus the fixed price). Space diversity
// adds a diversity antenna at each end and a second feeder run beside each main feeder; 1+1
// usage doubles the feeders again. Empty when an index lies outside the tables.
std::optional<double> combinationPrice(const HopRecord& record, const PriceTables& prices,
                                       const CombinationIndices& indices);

} // namespace korvel
