#include "optimize/combination_price.h"

#include <cstddef>

namespace korvel {

namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

bool inside(int index, int count) {
    return index >= 0 && index < count;
}

} // namespace

PriceTables priceTables(const EquipmentLibrary& library, AntennaType type, int feederTable) {
    PriceTables prices;
    prices.antennaCount = library.diameterCountOf(type);
    const AntennaTable& antennas = library.antennaTable(type);
    for (int i = 0; i < prices.antennaCount; ++i) {
        prices.antenna[at(i)] = antennas.price[at(i)];
    }
    const FeederTable* feeders = library.feederTable(feederTable);
    if (feeders == nullptr) {
        return prices;
    }
    prices.feederCount = library.feederTypeCountOf(feederTable);
    for (int k = 0; k < prices.feederCount; ++k) {
        prices.feederPerMetre[at(k)] = feeders->pricePerMetre[at(k)];
        prices.feederFixed[at(k)] = feeders->fixedPrice[at(k)];
    }
    return prices;
}

std::optional<double> combinationPrice(const HopRecord& record, const PriceTables& prices,
                                       const CombinationIndices& indices) {
    const bool space = record.diversityMode == DiversityMode::Space;
    if (!inside(indices.d1Index, prices.antennaCount) ||
        !inside(indices.d2Index, prices.antennaCount) ||
        (space && !inside(indices.ddIndex, prices.antennaCount)) ||
        !inside(indices.feeder1Index, prices.feederCount) ||
        !inside(indices.feeder2Index, prices.feederCount)) {
        return std::nullopt;
    }

    double runs = space ? 2.0 : 1.0; // feeder runs per main feeder
    if (record.usageMode == UsageMode::OnePlusOne) {
        runs *= 2.0;
    }
    double price = prices.antenna[at(indices.d1Index)] + prices.antenna[at(indices.d2Index)];
    if (space) {
        price += 2.0 * prices.antenna[at(indices.ddIndex)];
    }
    const std::size_t f1 = at(indices.feeder1Index);
    const std::size_t f2 = at(indices.feeder2Index);
    price += runs * prices.feederPerMetre[f1] * record.feeder1LengthM +
             runs * prices.feederPerMetre[f2] * record.feeder2LengthM +
             runs * prices.feederFixed[f1] + runs * prices.feederFixed[f2];
    return price;
}

} // namespace korvel
