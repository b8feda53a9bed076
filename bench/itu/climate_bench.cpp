// Climate grids at full ITU size (synthetic values): importing the 0.125° R0.01 text grid
// (1441 × 2881), opening the cache and looking a value up.

#include <benchmark/benchmark.h>

#include <cmath>

#include "itu/climate/climate_maps.h"
#include "support/synthetic_climate.h"
#include "support/temp_folder.h"

namespace {

using namespace korvel;

const test::SyntheticLayout kFullR001{0.125, false, -180.0, false};

// One folder for the run: the R001.TXT text and a cache holding its import.
struct FullGrid {
    test::TempFolder folder;
    ClimateCache cache{folder / "cache"};

    FullGrid() {
        test::writeFile(folder / "R001.TXT", test::gridText(kFullR001, [](double lat, double lon) {
                            return 60.0 + 40.0 * std::cos(lat * 0.05) * std::sin(lon * 0.03);
                        }));
        const ImportResult result = importClimateGrids({{folder / "R001.TXT"}, {}, "2026-12-07"});
        if (result.grids.empty() || !cache.store(result.grids[0])) {
            std::abort();
        }
    }
};

FullGrid& fullGrid() {
    static FullGrid grid;
    return grid;
}

void importFullR001Text(benchmark::State& state) {
    FullGrid& grid = fullGrid();
    for (auto _ : state) {
        const ImportResult result =
            importClimateGrids({{grid.folder / "R001.TXT"}, {}, "2026-12-07"});
        benchmark::DoNotOptimize(grid.cache.store(result.grids.at(0)));
    }
}
BENCHMARK(importFullR001Text)->Unit(benchmark::kMillisecond)->Iterations(2);

void openCachedR001(benchmark::State& state) {
    FullGrid& grid = fullGrid();
    for (auto _ : state) {
        benchmark::DoNotOptimize(grid.cache.open(ClimateKind::R001).grid);
    }
}
BENCHMARK(openCachedR001)->Unit(benchmark::kMicrosecond);

// Points spread over the globe, so the look-ups touch pages all over the mapped file.
void lookUpR001(benchmark::State& state) {
    std::vector<std::string> errors;
    const ClimateMaps maps = ClimateMaps::open(fullGrid().cache, errors);
    const GridView& view = maps.grid(ClimateKind::R001)->view();
    double lat = -89.9;
    double lon = -179.9;
    for (auto _ : state) {
        benchmark::DoNotOptimize(view.at(lat, lon));
        lat = lat > 89.0 ? -89.9 : lat + 0.731;
        lon = lon > 179.0 ? -179.9 : lon + 1.377;
    }
}
BENCHMARK(lookUpR001)->Unit(benchmark::kNanosecond);

// The hops of one region: the same few pages again and again.
void lookUpR001InARegion(benchmark::State& state) {
    std::vector<std::string> errors;
    const ClimateMaps maps = ClimateMaps::open(fullGrid().cache, errors);
    const GridView& view = maps.grid(ClimateKind::R001)->view();
    double lat = 45.0;
    double lon = 5.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(view.at(lat, lon));
        lat = lat > 47.0 ? 45.0 : lat + 0.0731;
        lon = lon > 9.0 ? 5.0 : lon + 0.1377;
    }
}
BENCHMARK(lookUpR001InARegion)->Unit(benchmark::kNanosecond);

} // namespace

BENCHMARK_MAIN();
