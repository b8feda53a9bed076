// The desktop program as the planner waits for it, timed as whole `korvel` processes offscreen
// (targets: cold start at most 300 ms, Open Recent at most 100 ms):
// - cold start: `korvel --play` of a scenario of one `quit` line, from spawn to exit (settings
//   read, library read, main window with its dock and status bar, start panel shown);
// - Open Recent to the page shown: a scenario of N `menu 120` lines (the most recent file,
//   LINK7.HOP) against the same scenario without them, the difference divided by N. N = 1 is the
//   first open of a session (the page built), N = 10 the opens that follow.
// Settings go to a scratch XDG_CONFIG_HOME, never the user's; the working folder is a scratch
// folder holding the library and LINK7.HOP.
//
// KORVEL_PROGRAM in the environment times another korvel build (for a before/after figure).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "../run_quietly.h"

namespace {

namespace fs = std::filesystem;

std::string korvelProgram() {
    const char* chosen = std::getenv("KORVEL_PROGRAM");
    return chosen != nullptr ? chosen : KORVEL_PROGRAM;
}

// The scratch folder: the library, the hop, the scenarios and the settings; removed at exit.
class Workspace {
  public:
    Workspace()
        : folder_(fs::temp_directory_path() /
                  ("korvel-start-bench-" + std::to_string(::getpid()))) {
        const fs::path data{KORVEL_DATA_DIR};
        fs::create_directories(folder_ / "config");
        fs::copy_file(data / "korvel32.lbr", folder_ / "korvel32.lbr");
        fs::copy_file(data / "hops" / "LINK7.HOP", folder_ / "LINK7.HOP");
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::setenv("XDG_CONFIG_HOME", (folder_ / "config").c_str(), 1);
        writeScenario("quit.scn", "quit\n");
        // Puts LINK7.HOP first in the recent list and checks that Open Recent opens it unchanged.
        writeScenario("seed.scn", "choose LINK7.HOP\nmenu 112\nmenu 106\nmenu 120\n"
                                  "expect title Korvel - LINK7.HOP\nexpect modified no\nquit\n");
        ready_ = play("seed.scn");
    }
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;
    ~Workspace() {
        std::error_code error;
        fs::remove_all(folder_, error);
    }

    [[nodiscard]] bool ready() const { return ready_; }

    void writeScenario(const std::string& name, const std::string& lines) const {
        std::ofstream(folder_ / name) << lines;
    }

    // Plays the scenario with its output discarded; false unless korvel exits 0 (every line
    // passed).
    [[nodiscard]] bool play(const std::string& scenario) const {
        const std::vector<std::string> command{korvelProgram(), "--library", "korvel32.lbr",
                                               "--play", scenario};
        return korvel::bench::runQuietly(command, folder_);
    }

    // Wall time of playing the scenario, in seconds; negative when it failed.
    [[nodiscard]] double timedPlay(const std::string& scenario) const {
        const auto start = std::chrono::steady_clock::now();
        if (!play(scenario)) {
            return -1.0;
        }
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

  private:
    fs::path folder_;
    bool ready_ = false;
};

const Workspace& workspace() {
    static const Workspace shared;
    return shared;
}

void BM_ColdStartToStartPanel(benchmark::State& state) {
    const Workspace& work = workspace();
    if (!work.ready()) {
        state.SkipWithError("korvel could not play the seeding scenario");
        return;
    }
    for (auto _ : state) {
        const double seconds = work.timedPlay("quit.scn");
        if (seconds < 0) {
            state.SkipWithError("korvel --play quit.scn failed");
            return;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_ColdStartToStartPanel)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(4)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Argument: the number of Open Recent lines in one process.
void BM_OpenRecentToPageShown(benchmark::State& state) {
    const Workspace& work = workspace();
    if (!work.ready()) {
        state.SkipWithError("korvel could not play the seeding scenario");
        return;
    }
    const auto opens = static_cast<int>(state.range(0));
    std::string lines;
    for (int i = 0; i < opens; ++i) {
        lines += "menu 120\n";
    }
    const std::string scenario = "open_recent_" + std::to_string(opens) + ".scn";
    work.writeScenario(scenario, lines + "expect title Korvel - LINK7.HOP\nquit\n");
    for (auto _ : state) {
        const double without = work.timedPlay("quit.scn");
        const double with = work.timedPlay(scenario);
        if (without < 0 || with < 0) {
            state.SkipWithError("korvel failed to play the Open Recent scenario");
            return;
        }
        state.SetIterationTime(std::max(with - without, 0.0) / opens);
    }
}
BENCHMARK(BM_OpenRecentToPageShown)
    ->Arg(1)
    ->Arg(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(4)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
