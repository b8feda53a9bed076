#include <benchmark/benchmark.h>

#include <cstdint>

#include "engine/calculate_hop.h"
#include "itu/gas_attenuation.h"
#include "itu/hop_methods.h"
#include "support/sample_hops.h"

namespace korvel::itu {
namespace {

// A 40 km profile sampled every 100 m (401 points), both stations placed.
HopSites sampleSites() {
    HopSites sites;
    sites.stations[0] = SitePosition{56.0, 10.0, 110.0};
    sites.stations[1] = SitePosition{56.3, 10.3, 95.0};
    for (int i = 0; i <= 400; ++i) {
        const double km = 0.1 * i;
        sites.profile.push_back({km, 80.0 + 30.0 * ((i % 37) / 37.0), 0.0, false});
    }
    return sites;
}

// The classic, P.530-17 and P.530-18 columns of one calculated hop with every climate value
// given. Arguments: the diversity control number; whether the sites (401-point profile, and the
// midpoint the climate look-up has worked out) are given.
void hopMethodsBench(benchmark::State& state) {
    HopState hop = test::sample7500MHzHop();
    hop.record.diversityMode = static_cast<DiversityMode>(state.range(0));
    hop.record.outageObjectivePct = 0.01;
    calculateHop(hop);
    const HopSites sites = sampleSites();
    HopMethodsInput input;
    input.hop = &hop;
    if (state.range(1) != 0) {
        input.sites = &sites;
        input.midpoint = pathMidpoint(&sites); // as the climate look-up leaves it
    }
    input.climate.dN1 = InputValue{-400.0, "N/km", "DN65m_01d00_v1"};
    input.climate.sa = InputValue{20.0, "m", "sa grid"};
    input.climate.logK = InputValue{-4.2, "", "LogK.csv"};
    input.climate.dN75 = InputValue{20.0, "N", "dN75.csv"};
    input.climate.R001 = InputValue{42.0, "mm/h", "R001.TXT"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(hop.record);
        auto columns = hopMethods(input);
        benchmark::DoNotOptimize(columns);
    }
}
BENCHMARK(hopMethodsBench)
    ->ArgNames({"diversity", "sites"})
    ->Args({static_cast<std::int64_t>(DiversityMode::No), 0})
    ->Args({static_cast<std::int64_t>(DiversityMode::No), 1})
    ->Args({static_cast<std::int64_t>(DiversityMode::Space), 1});

void standardGasBench(benchmark::State& state) {
    double frequencyGHz = 23.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(frequencyGHz);
        benchmark::DoNotOptimize(standardGasAttenuation(frequencyGHz));
    }
}
BENCHMARK(standardGasBench);

} // namespace
} // namespace korvel::itu

BENCHMARK_MAIN();
