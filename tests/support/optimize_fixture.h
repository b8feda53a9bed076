#pragma once
// A small library for the optimization tests and benchmarks, built in place; their hops are
// the typical and easy sample hops (support/sample_hops.h).

#include <array>
#include <cstddef>
#include <vector>

#include "engine/hop_record.h"
#include "library/equipment_library.h"
#include "support/sample_hops.h"

namespace korvel::test {

using AntennaOffer = std::array<double, 2>; // diameter (m), price
using FeederOffer = std::array<double, 3>;  // loss (dB/100 m), price per metre, fixed price

// The antennas for both types and one feeder table (0) whose row 0 holds the losses.
inline EquipmentLibrary makeOptimizeLibrary(const std::vector<AntennaOffer>& antennas,
                                            const std::vector<FeederOffer>& feeders) {
    EquipmentLibrary library;
    library.radios.resize(1);
    library.diameterCount.fill(static_cast<std::int16_t>(antennas.size()));
    for (AntennaTable& table : library.antennaTables) {
        for (std::size_t i = 0; i < antennas.size(); ++i) {
            table.diameterM[i] = antennas[i][0];
            table.price[i] = antennas[i][1];
        }
    }
    library.feederTables.resize(1);
    library.feederTypeCount = {static_cast<std::int16_t>(feeders.size())};
    library.frequencyCount = {1};
    FeederTable& table = library.feederTables[0];
    table.frequencyGHz[0] = 7.5;
    for (std::size_t k = 0; k < feeders.size(); ++k) {
        table.lossPer100mDb[0][k] = feeders[k][0];
        table.pricePerMetre[k] = feeders[k][1];
        table.fixedPrice[k] = feeders[k][2];
    }
    return library;
}

// Six diameters and four feeder types listed by rising loss, cheaper as they get lossier.
inline EquipmentLibrary makeStandardLibrary() {
    return makeOptimizeLibrary(
        {{0.6, 500}, {1.2, 900}, {1.8, 1500}, {2.4, 2500}, {3.0, 4000}, {3.7, 6000}},
        {{2.0, 40, 200}, {3.0, 25, 150}, {4.5, 15, 100}, {6.0, 10, 80}});
}

} // namespace korvel::test
