// `korvel-cli calc` over 10,000 hop files in one process, timed from spawn to exit (target:
// under 100 ms on a Release build). The hops are copies of the example LINK7.HOP in a scratch
// folder, named relative to it as a planner's script would name them.
//
// KORVEL_CLI in the environment times another korvel-cli build (for a before/after figure).

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "../run_quietly.h"

namespace {

namespace fs = std::filesystem;

constexpr int kHopFiles = 10000;

// The scratch folder with the library and the hop copies; removed at exit.
class HopFolder {
  public:
    HopFolder()
        : folder_(fs::temp_directory_path() / ("korvel-calc-bench-" + std::to_string(::getpid()))) {
        const fs::path data{KORVEL_DATA_DIR};
        fs::create_directories(folder_);
        fs::copy_file(data / "korvel32.lbr", folder_ / "korvel32.lbr");
        for (int i = 0; i < kHopFiles; ++i) {
            const std::string name = "H" + std::to_string(i) + ".HOP";
            fs::copy_file(data / "hops" / "LINK7.HOP", folder_ / name);
            names_.push_back(name);
        }
    }
    HopFolder(const HopFolder&) = delete;
    HopFolder& operator=(const HopFolder&) = delete;
    ~HopFolder() {
        std::error_code error;
        fs::remove_all(folder_, error);
    }
    [[nodiscard]] const fs::path& folder() const { return folder_; }
    [[nodiscard]] const std::vector<std::string>& names() const { return names_; }

  private:
    fs::path folder_;
    std::vector<std::string> names_;
};

std::string cliProgram() {
    const char* chosen = std::getenv("KORVEL_CLI");
    return chosen != nullptr ? chosen : KORVEL_CLI;
}

void BM_CalcTenThousandHops(benchmark::State& state) {
    static const HopFolder hops;
    std::vector<std::string> command{cliProgram(), "calc"};
    command.insert(command.end(), hops.names().begin(), hops.names().end());
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!korvel::bench::runQuietly(command, hops.folder())) {
            state.SkipWithError("korvel-cli calc failed");
            return;
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
    }
    state.SetItemsProcessed(state.iterations() * kHopFiles);
}
BENCHMARK(BM_CalcTenThousandHops)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
