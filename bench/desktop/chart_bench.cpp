// The Sweep window's chart: from OK (the sweep computed, its chart built and drawn) to the
// picture, and a redraw after a resize; the Profile window's chart of a long profile. Runs
// offscreen.

#include <benchmark/benchmark.h>

#include <cstdlib>

#include <QApplication>
#include <QPixmap>

#include "geo/profile_analysis.h"
#include "geo/profile_study.h"
#include "platform/qt/qt_chart_panel.h"
#include "series/sweep.h"
#include "support/sample_hops.h"
#include "ui/chart_contents.h"
#include "ui/profile_chart.h"

namespace korvel {
namespace {

// The heaviest sweep chart: the rain judged against an availability objective too.
constexpr double kAvailabilityObjectivePct = 0.01;

HopState sweptHop() {
    HopState hop = test::sample7500MHzHop();
    hop.record.frequencyGHz = 13.0;
    hop.record.outageObjectivePct = 0.005;
    hop.record.rainRateMmH = 42.0;
    hop.record.antenna1DiameterM = hop.record.antenna2DiameterM = 1.8;
    return hop;
}

// Argument: the number of points.
void sweepOkToChartBench(benchmark::State& state) {
    const HopState hop = sweptHop();
    SweepRange range = defaultSweepRange(hop.record, SweepInput::Diameter);
    range.steps = static_cast<int>(state.range(0));
    QtChartPanel panel;
    panel.resize(860, 480);
    panel.show();
    for (auto _ : state) {
        panel.setChart(
            sweepChart(sweepHop(hop, SweepInput::Diameter, range), kAvailabilityObjectivePct));
        QPixmap drawn = panel.grab();
        benchmark::DoNotOptimize(drawn);
    }
}
BENCHMARK(sweepOkToChartBench)->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond);

void resizeRedrawBench(benchmark::State& state) {
    const HopState hop = sweptHop();
    SweepRange range = defaultSweepRange(hop.record, SweepInput::Diameter);
    range.steps = 200;
    QtChartPanel panel;
    panel.setChart(
        sweepChart(sweepHop(hop, SweepInput::Diameter, range), kAvailabilityObjectivePct));
    panel.show();
    int width = 860;
    for (auto _ : state) {
        width = width == 860 ? 1200 : 860;
        panel.resize(width, 600);
        QPixmap drawn = panel.grab();
        benchmark::DoNotOptimize(drawn);
    }
}
BENCHMARK(resizeRedrawBench)->Unit(benchmark::kMillisecond);

// A long profile sampled finely, 40 km over low hills with clutter.
TerrainProfile hillyProfile(std::size_t points) {
    TerrainProfile profile;
    for (std::size_t i = 0; i < points; ++i) {
        const double km = 40.0 * static_cast<double>(i) / static_cast<double>(points - 1);
        profile.push_back({km, 100.0 + static_cast<double>((i * 7919) % 97) / 5.0, 10.0, true});
    }
    return profile;
}

// The Profile window's redraw after a k change: the study, the drawing's plan, the chart painted
// offscreen. Argument: the number of points.
void profileChartBench(benchmark::State& state) {
    const TerrainProfile profile = hillyProfile(static_cast<std::size_t>(state.range(0)));
    const StudiedHop hop{{100.0, 100.0}, {50.0, 50.0}, 7.5, 10.0};
    const std::vector<ClearanceRule> rules =
        clearanceRules(ClearanceRuleSet::TemperateExtendedObstacle, 40.0);
    const ClearanceRule diversity =
        diversityClearanceRule(ClearanceRuleSet::TemperateExtendedObstacle);
    QtChartPanel panel;
    panel.resize(860, 480);
    panel.show();
    double k = 4.0 / 3.0;
    for (auto _ : state) {
        k = k > 1.0 ? 1.0 : 4.0 / 3.0;
        const ProfileStudy study = studyProfile(profile, hop, k, rules, std::nullopt, diversity);
        panel.setChart(profileChart(study, {"Hilltop", "Harbour", k, hop, rules, std::nullopt}));
        QPixmap drawn = panel.grab();
        benchmark::DoNotOptimize(drawn);
    }
}
BENCHMARK(profileChartBench)->Arg(2000)->Arg(40000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace korvel

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
