// Time of one combination search: a library filled to its capacities with space diversity and
// unequal feeder lengths, and a typical hop without diversity.

#include <benchmark/benchmark.h>

#include <vector>

#include "optimize/combination_search.h"
#include "support/optimize_fixture.h"

namespace korvel {
namespace {

// A library filled to its capacities: antennas of both types from 0.6 m up, feeder types by
// rising loss.
EquipmentLibrary fullLibrary() {
    std::vector<test::AntennaOffer> antennas;
    for (int i = 0; i < kMaxDiameters; ++i) {
        const double step = i;
        antennas.push_back({0.6 + 0.4 * step, 500.0 + 450.0 * step * step});
    }
    std::vector<test::FeederOffer> feeders;
    for (int k = 0; k < kMaxFeederTypes; ++k) {
        const double step = k;
        feeders.push_back({1.5 + 0.8 * step, 45.0 - 4.0 * step, 220.0 - 15.0 * step});
    }
    return test::makeOptimizeLibrary(antennas, feeders);
}

void fullCapacitySpaceDiversity(benchmark::State& state) {
    HopState hop = test::makeTypicalHop();
    hop.record.antennaType = AntennaType::ParabGrid; // all ten diameters below 10 GHz
    hop.record.diversityMode = DiversityMode::Space;
    hop.record.outageObjectivePct = 0.005;
    const EquipmentLibrary lib = fullLibrary();
    for (auto _ : state) {
        benchmark::DoNotOptimize(searchCombinations(hop, lib));
    }
}
BENCHMARK(fullCapacitySpaceDiversity)->Unit(benchmark::kMillisecond);

void typicalHop(benchmark::State& state) {
    const HopState hop = test::makeTypicalHop();
    const EquipmentLibrary lib = test::makeStandardLibrary();
    for (auto _ : state) {
        benchmark::DoNotOptimize(searchCombinations(hop, lib));
    }
}
BENCHMARK(typicalHop)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace korvel

BENCHMARK_MAIN();
