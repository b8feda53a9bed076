#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/calculate_hop.h"
#include "engine/rain.h"
#include "engine/results_panel.h"
#include "support/sample_hops.h"

namespace korvel {
namespace {

// Arguments: the method and diversity control numbers, and how the path changes between
// calculations: 0, it stays (a planner changing equipment, or the optimizer); 1, two hops of
// different lengths taken in turn (the powers of the length are calculated again); 2, two hops
// that differ in length, frequency, antenna height and spacing, so that nothing of the path is
// kept.
void calculateHopBench(benchmark::State& state) {
    std::array<HopState, 2> hops{test::sample7500MHzHop(), test::sample7500MHzHop()};
    for (HopState& hop : hops) {
        hop.record.method = static_cast<Method>(state.range(0));
        hop.record.diversityMode = static_cast<DiversityMode>(state.range(1));
    }
    HopRecord& other = hops[1].record;
    if (state.range(2) != 0) {
        other.hopLengthKm *= 1.01;
    }
    if (state.range(2) == 2) {
        other.frequencyGHz *= 1.01;
        other.antenna1HeightM *= 1.01;
        other.antennaSpacingM *= 1.01;
    }
    std::size_t turn = 0;
    for (auto _ : state) {
        HopState& hop = hops[turn];
        turn ^= 1U;
        benchmark::DoNotOptimize(hop.record);
        CalculationOutcome outcome = calculateHop(hop);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(hop.results);
    }
}
BENCHMARK(calculateHopBench)
    ->ArgNames({"method", "diversity", "newPath"})
    ->ArgsProduct({{static_cast<std::int64_t>(Method::Method1),
                    static_cast<std::int64_t>(Method::Method2)},
                   {static_cast<std::int64_t>(DiversityMode::No),
                    static_cast<std::int64_t>(DiversityMode::Freq),
                    static_cast<std::int64_t>(DiversityMode::Space)},
                   {0, 1, 2}});

void rainOutageBench(benchmark::State& state) {
    double frequencyGHz = 15.0;
    double hopLengthKm = 20.0;
    double marginDb = 35.0;
    double rainRateMmH = 42.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(frequencyGHz);
        benchmark::DoNotOptimize(hopLengthKm);
        benchmark::DoNotOptimize(marginDb);
        benchmark::DoNotOptimize(rainRateMmH);
        RainOutage outage =
            rainOutage(frequencyGHz, hopLengthKm, marginDb, rainRateMmH, Polarization::Vertical);
        benchmark::DoNotOptimize(outage);
    }
}
BENCHMARK(rainOutageBench);

// The text korvel-cli calc prints for every hop: nine numbers written with fixed decimals.
void resultsPanelBench(benchmark::State& state) {
    HopState hop = test::sample7500MHzHop();
    hop.record.diversityMode = DiversityMode::Space;
    calculateHop(hop);
    for (auto _ : state) {
        benchmark::DoNotOptimize(hop.results);
        ResultsPanelText text = resultsPanelText(hop);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(resultsPanelBench);

} // namespace
} // namespace korvel

BENCHMARK_MAIN();
