#include "optimize/combination_price.h"

#include "optimize/library_lookup.h"

namespace korvel {

std::optional<double> combinationPrice(const HopRecord& record, const EquipmentLibrary& library,
                                       int feederTable, const CombinationIndices& indices) {
    const AntennaType type = record.antennaType;
    const auto antenna1 = libraryAntennaPrice(library, type, indices.d1Index);
    const auto antenna2 = libraryAntennaPrice(library, type, indices.d2Index);
    const auto feeder1 = libraryFeederPrice(library, feederTable, indices.feeder1Index);
    const auto feeder2 = libraryFeederPrice(library, feederTable, indices.feeder2Index);
    if (!antenna1 || !antenna2 || !feeder1 || !feeder2) {
        return std::nullopt;
    }

    const bool space = record.diversityMode == DiversityMode::Space;
    const bool onePlusOne = record.usageMode == UsageMode::OnePlusOne;
    double runs = space ? 2.0 : 1.0; // feeder runs per main feeder
    if (onePlusOne) {
        runs *= 2.0;
    }
    double price = *antenna1 + *antenna2;
    if (space) {
        const auto diversity = libraryAntennaPrice(library, type, indices.ddIndex);
        if (!diversity) {
            return std::nullopt;
        }
        price += 2.0 * *diversity;
    }
    price += runs * feeder1->perMetre * record.feeder1LengthM +
             runs * feeder2->perMetre * record.feeder2LengthM + runs * feeder1->fixed +
             runs * feeder2->fixed;
    return price;
}

} // namespace korvel
