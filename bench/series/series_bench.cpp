// A 200-point sweep as the Sweep window and `korvel-cli sweep` compute it, for each input.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "series/budget_steps.h"
#include "series/sweep.h"
#include "support/sample_hops.h"

namespace korvel {
namespace {

// Argument: the swept input. The hop has space diversity where the spacing is swept, frequency
// diversity where the channel spacing is, and rain numbers (13 GHz) everywhere.
void sweep200Bench(benchmark::State& state) {
    const auto input = static_cast<SweepInput>(state.range(0));
    HopState hop = test::sample7500MHzHop();
    hop.record.frequencyGHz = 13.0;
    hop.record.outageObjectivePct = 0.005;
    hop.record.rainRateMmH = 42.0;
    hop.record.antenna1DiameterM = hop.record.antenna2DiameterM = 1.8;
    if (input == SweepInput::Spacing) {
        hop.record.diversityMode = DiversityMode::Space;
    } else if (input == SweepInput::ChannelSpacing) {
        hop.record.diversityMode = DiversityMode::Freq;
    }
    SweepRange range = defaultSweepRange(hop.record, input);
    range.steps = 200;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hop.record);
        Sweep sweep = sweepHop(hop, input, range);
        benchmark::DoNotOptimize(sweep.points.data());
    }
}
BENCHMARK(sweep200Bench)
    ->ArgName("input")
    ->DenseRange(static_cast<std::int64_t>(SweepInput::Diameter),
                 static_cast<std::int64_t>(SweepInput::ChannelSpacing))
    ->Unit(benchmark::kMicrosecond);

void linkBudgetStepsBench(benchmark::State& state) {
    const HopState hop = test::sample7500MHzHop();
    for (auto _ : state) {
        LinkBudget budget = linkBudgetSteps(hop);
        benchmark::DoNotOptimize(budget.steps.data());
    }
}
BENCHMARK(linkBudgetStepsBench);

} // namespace
} // namespace korvel

BENCHMARK_MAIN();
