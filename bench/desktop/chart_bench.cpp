// The Sweep window's chart: from OK (the sweep computed, its chart built and drawn) to the
// picture, and a redraw after a resize. Runs offscreen.

#include <benchmark/benchmark.h>

#include <cstdlib>

#include <QApplication>
#include <QPixmap>

#include "platform/qt/qt_chart_panel.h"
#include "series/sweep.h"
#include "support/sample_hops.h"
#include "ui/chart_contents.h"

namespace korvel {
namespace {

HopState sweptHop() {
    HopState hop = testing::sample7500MHzHop();
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
        panel.setChart(sweepChart(sweepHop(hop, SweepInput::Diameter, range)));
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
    panel.setChart(sweepChart(sweepHop(hop, SweepInput::Diameter, range)));
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
