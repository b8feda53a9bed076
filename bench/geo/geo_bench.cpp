// Profile work a planner waits for: a terrain profile from an elevation model, the lowest
// antenna heights over a long profile, and the whole study the Profile window redraws.

#include <benchmark/benchmark.h>

#include <cmath>
#include <optional>

#include "geo/antenna_heights.h"
#include "geo/clearance_rules.h"
#include "geo/geodesic.h"
#include "geo/profile_study.h"
#include "geo/terrain_profile.h"
#include "platform/elevation_module.h"

namespace {

// A 60 km path of rolling hills every 30 m: 2,000 points.
korvel::TerrainProfile rollingHills() {
    korvel::TerrainProfile profile;
    constexpr int kPoints = 2000;
    constexpr double kPathKm = 60.0;
    for (int i = 0; i < kPoints; ++i) {
        const double distanceKm = kPathKm * i / (kPoints - 1);
        profile.push_back({distanceKm, 80.0 + 40.0 * std::sin(distanceKm / 3.0), 10.0, true});
    }
    return profile;
}

void lowestHeightsTwoRules(benchmark::State& state) {
    const korvel::TerrainProfile profile = rollingHills();
    const auto rules =
        korvel::clearanceRules(korvel::ClearanceRuleSet::TemperateExtendedObstacle, 60.0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            korvel::lowestEqualAntennaHeights(profile, {120.0, 35.0}, 7.5, rules));
    }
}
BENCHMARK(lowestHeightsTwoRules)->Unit(benchmark::kMicrosecond);

// The analysis, the rules met, both kinds of lowest heights and the space-diversity antenna's
// own rule and height (argument 1; 0 without), as a redraw asks for them.
void profileStudyThreeRules(benchmark::State& state) {
    const korvel::TerrainProfile profile = rollingHills();
    auto rules = korvel::clearanceRules(korvel::ClearanceRuleSet::Tropical, 60.0);
    rules.push_back({0.3, 2.0 / 3.0});
    // Every rule met: no early end.
    const korvel::StudiedHop hop{{120.0, 35.0}, {200.0, 200.0}, 7.5, 10.0};
    const std::optional<korvel::ClearanceRule> diversity =
        state.range(0) == 0
            ? std::nullopt
            : std::optional(korvel::diversityClearanceRule(korvel::ClearanceRuleSet::Tropical));
    for (auto _ : state) {
        benchmark::DoNotOptimize(korvel::studyProfile(profile, hop, 4.0 / 3.0, rules,
                                                      korvel::FixedStation::Station1, diversity));
    }
}
BENCHMARK(profileStudyThreeRules)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// 50 km due south across the synthetic model's coast tile, every 30 m, the raster read each time.
void profileFromGeoTiff(benchmark::State& state) {
    const std::filesystem::path tile = KORVEL_BINARY_DIR "/data/dem/synthetic-coast.tif";
    const korvel::GeoPoint north{60.70, 25.10};
    const korvel::GeoPoint south{60.25125, 25.10}; // 50.0 km
    for (auto _ : state) {
        const auto opening = korvel::openElevationModel({tile}, {KORVEL_ELEVATION_MODULE_FILE});
        if (!opening.model) {
            state.SkipWithError(opening.error.c_str());
            return;
        }
        benchmark::DoNotOptimize(korvel::sampleProfile(*opening.model, north, south, 0.030));
    }
}
BENCHMARK(profileFromGeoTiff)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
