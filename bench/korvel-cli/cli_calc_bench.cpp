// `korvel-cli calc` over 10,000 hop files in one process, timed from spawn to exit (target:
// under 100 ms on a Release build; with the classic and both current methods, the climate maps
// installed at full ITU size, under 200 ms). The hops are copies of the example LINK7.HOP with
// its two stations (no profile, whose JSON parsing would dominate) in a scratch folder, named
// relative to it as a planner's script would name them; the maps are synthetic, written into
// the folder's own data home.
//
// KORVEL_CLI in the environment times another korvel-cli build (for a before/after figure).

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "../run_quietly.h"
#include "itu/climate/climate_cache.h"
#include "itu/climate/grid_import.h"
#include "support/synthetic_climate.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

constexpr int kHopFiles = 10000;
constexpr std::string_view kStations = R"({"version": 1,
 "station1": {"latitudeDeg": 60.62, "longitudeDeg": 25.15, "groundElevationM": 120.0},
 "station2": {"latitudeDeg": 60.2745, "longitudeDeg": 25.34743, "groundElevationM": 35.0}})";

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
            korvel::test::writeFile(folder_ / (name + ".sites.json"), kStations);
            names_.push_back(name);
        }
        installClimateMaps();
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
    // Every grid the current methods read, at its ITU shape, imported as `climate import` would.
    void installClimateMaps() const {
        using korvel::test::SyntheticLayout;
        struct Map {
            const char* file;
            SyntheticLayout layout;
            double value;
            char separator;
        };
        const std::vector<Map> maps = {
            {"LogK.csv", {0.25, true, -180.0, false}, -4.2, ','},
            {"dN75.csv", {0.25, true, -180.0, false}, 20.0, ','},
            {"DN65m_01d00_v1.txt", {0.75, true, 0.0, false}, -400.0, ' '},
            {"v16_gtopo_30.txt", {0.5, true, 0.0, false}, 20.0, ' '},
            {"R001.TXT", {0.125, false, -180.0, false}, 42.0, ' '}};
        std::vector<fs::path> files;
        for (const Map& map : maps) {
            const double value = map.value;
            korvel::test::writeFile(
                folder_ / map.file,
                korvel::test::gridText(
                    map.layout,
                    [=](double lat, double) { return value * (1.0 + 0.1 * lat / 90.0); },
                    map.separator));
            files.push_back(folder_ / map.file);
        }
        const korvel::ImportResult result = korvel::importClimateGrids({files, {}, "2026-12-07"});
        const korvel::ClimateCache cache(folder_ / "data" / "korvel" / "climate");
        bool stored = result.errors.empty() && result.grids.size() == maps.size();
        for (const korvel::ImportedGrid& grid : result.grids) {
            stored = stored && cache.store(grid);
        }
        if (!stored) {
            std::abort();
        }
        ::setenv("XDG_DATA_HOME", (folder_ / "data").c_str(), 1);
    }

    fs::path folder_;
    std::vector<std::string> names_;
};

std::string cliProgram() {
    const char* chosen = std::getenv("KORVEL_CLI");
    return chosen != nullptr ? chosen : KORVEL_CLI;
}

// Argument: 1 to ask for the classic, P.530-17 and P.530-18 columns.
void BM_CalcTenThousandHops(benchmark::State& state) {
    static const HopFolder hops;
    std::vector<std::string> command{cliProgram(), "calc"};
    command.insert(command.end(), hops.names().begin(), hops.names().end());
    if (state.range(0) != 0) {
        command.insert(command.end(), {"--methods", "classic,p530-17,p530-18"});
    }
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
BENCHMARK(BM_CalcTenThousandHops)
    ->ArgName("methods")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
