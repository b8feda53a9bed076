// Time of one combination search: a library filled to its capacities with space diversity and
// unequal feeder lengths, and a typical hop without diversity.

#include <benchmark/benchmark.h>

#include <cstddef>

#include "optimize/combination_search.h"

namespace korvel {
namespace {

HopState baseHop() {
    HopState hop;
    HopRecord& r = hop.record;
    r.frequencyGHz = 7.5;
    r.hopLengthKm = 40.0;
    r.ptxDbm = 30.0;
    r.prxthDbm = -80.0;
    r.branchingLossDb = 3.0;
    r.outageObjectivePct = 0.005;
    r.latitudeDeg = 45.0;
    r.longitudeDeg = 10.0;
    r.pLPct = 10.0;
    r.method = Method::Method2;
    r.station1HeightM = 200.0;
    r.station2HeightM = 150.0;
    r.antenna1HeightM = 40.0;
    r.antenna2HeightM = 30.0;
    r.antennaSpacingM = 10.0;
    r.feeder1LengthM = 50.0;
    r.feeder2LengthM = 40.0;
    r.connector1LossDb = 0.5;
    r.connector2LossDb = 0.5;
    hop.selection.feederTable = 0;
    hop.selection.feederRow = 0;
    return hop;
}

// `diameters` antennas of both types from 0.6 m up, `feederTypes` feeder types by rising loss.
EquipmentLibrary library(int diameters, int feederTypes) {
    EquipmentLibrary lib;
    lib.radios.resize(1);
    for (std::size_t type = 0; type < 2; ++type) {
        lib.diameterCount[type] = static_cast<std::int16_t>(diameters);
        for (std::size_t i = 0; i < static_cast<std::size_t>(diameters); ++i) {
            const double step = static_cast<double>(i);
            lib.antennaTables[type].diameterM[i] = 0.6 + 0.4 * step;
            lib.antennaTables[type].price[i] = 500.0 + 450.0 * step * step;
        }
    }
    lib.feederTables.resize(1);
    lib.feederTypeCount = {static_cast<std::int16_t>(feederTypes)};
    lib.frequencyCount = {1};
    for (std::size_t k = 0; k < static_cast<std::size_t>(feederTypes); ++k) {
        const double step = static_cast<double>(k);
        lib.feederTables[0].lossPer100mDb[0][k] = 1.5 + 0.8 * step;
        lib.feederTables[0].pricePerMetre[k] = 45.0 - 4.0 * step;
        lib.feederTables[0].fixedPrice[k] = 220.0 - 15.0 * step;
    }
    return lib;
}

void fullCapacitySpaceDiversity(benchmark::State& state) {
    HopState hop = baseHop();
    hop.record.antennaType = AntennaType::ParabGrid; // all ten diameters below 10 GHz
    hop.record.diversityMode = DiversityMode::Space;
    hop.record.outageObjectivePct = 0.005;
    const EquipmentLibrary lib = library(kMaxDiameters, kMaxFeederTypes);
    for (auto _ : state) {
        benchmark::DoNotOptimize(searchCombinations(hop, lib));
    }
}
BENCHMARK(fullCapacitySpaceDiversity)->Unit(benchmark::kMillisecond);

void typicalHop(benchmark::State& state) {
    const HopState hop = baseHop();
    const EquipmentLibrary lib = library(6, 4);
    for (auto _ : state) {
        benchmark::DoNotOptimize(searchCombinations(hop, lib));
    }
}
BENCHMARK(typicalHop)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace korvel

BENCHMARK_MAIN();
