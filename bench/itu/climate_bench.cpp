// Climate grids at full ITU size (synthetic values): importing the 0.125° R0.01 text grid
// (1441 × 2881), opening the cache, looking a value up, and the three methods of one hop reading
// every climate value off the maps.

#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/calculate_hop.h"
#include "itu/climate/climate_inputs_at.h"
#include "itu/climate/climate_maps.h"
#include "itu/hop_methods.h"
#include "support/sample_hops.h"
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
        // The other grids the methods read, at their ITU shapes.
        const auto flat = [](double value) {
            return [=](double lat, double) { return value * (1.0 + 0.1 * lat / 90.0); };
        };
        test::writeFile(folder / "LogK.csv",
                        test::gridText({0.25, true, -180.0, false}, flat(-4.2), ','));
        test::writeFile(folder / "dN75.csv",
                        test::gridText({0.25, true, -180.0, false}, flat(20.0), ','));
        test::writeFile(folder / "DN65m_01d00_v1.txt",
                        test::gridText({0.75, true, 0.0, false}, flat(-400.0)));
        test::writeFile(folder / "v16_gtopo_30.txt",
                        test::gridText({0.5, true, 0.0, false}, flat(20.0)));
        const ImportResult result = importClimateGrids({{folder.path()}, {}, "2026-12-07"});
        bool stored = result.errors.empty() && result.grids.size() == 5;
        for (const ImportedGrid& grid : result.grids) {
            stored = stored && cache.store(grid);
        }
        if (!stored) {
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

// What a program does once at start: every kind looked for, the five installed grids opened.
void openEveryInstalledMap(benchmark::State& state) {
    FullGrid& grid = fullGrid();
    for (auto _ : state) {
        std::vector<std::string> errors;
        benchmark::DoNotOptimize(ClimateMaps::open(grid.cache, errors));
    }
}
BENCHMARK(openEveryInstalledMap)->Unit(benchmark::kMicrosecond);

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

// The classic, P.530-17 and P.530-18 columns of one calculated hop, its five climate values read
// off the maps at the path's midpoint.
void hopMethodsFromMaps(benchmark::State& state) {
    std::vector<std::string> errors;
    const ClimateMaps maps = ClimateMaps::open(fullGrid().cache, errors);
    HopState hop = test::sample7500MHzHop();
    hop.record.outageObjectivePct = 0.01;
    calculateHop(hop);
    const GeoPoint midpoint{56.15, 10.15};
    for (auto _ : state) {
        itu::HopMethodsInput input;
        input.hop = &hop;
        input.midpoint = midpoint;
        input.climate = climateInputsAt(maps, midpoint, {});
        auto columns = itu::hopMethods(input);
        benchmark::DoNotOptimize(columns);
    }
}
BENCHMARK(hopMethodsFromMaps)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
