// Profile work a planner waits for: the lowest antenna heights over a long profile.

#include <benchmark/benchmark.h>

#include <cmath>

#include "geo/antenna_heights.h"
#include "geo/clearance_rules.h"

namespace {

// A 60 km path of rolling hills every 30 m: 2,000 points.
korvel::Profile rollingHills() {
    korvel::Profile profile;
    constexpr int kPoints = 2000;
    constexpr double kPathKm = 60.0;
    for (int i = 0; i < kPoints; ++i) {
        const double distanceKm = kPathKm * i / (kPoints - 1);
        profile.push_back({distanceKm, 80.0 + 40.0 * std::sin(distanceKm / 3.0), 10.0, true});
    }
    return profile;
}

void lowestHeightsTwoRules(benchmark::State& state) {
    const korvel::Profile profile = rollingHills();
    const auto rules =
        korvel::clearanceRules(korvel::ClearanceRuleSet::TemperateExtendedObstacle, 60.0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            korvel::lowestEqualAntennaHeights(profile, {120.0, 35.0}, 7.5, rules));
    }
}
BENCHMARK(lowestHeightsTwoRules)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
