// A 50 km profile every 30 m from a 1-degree SRTM-size GeoTIFF (3601 x 3601 16-bit heights),
// written at start to a temporary folder in three block layouts: strips, 256-cell tiles and
// 1024-cell tiles. Cold: the model opened afresh each time, nothing of the raster cached by GDAL;
// warm: one model sampled again and again. The tiles are written by a child process, so that the
// counter peakGrowthMiB, how far the process's peak resident memory rose above what it held with
// its libraries loaded, is what reading the tiles takes.

#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include "geo/terrain_profile.h"
#include "platform/elevation_module.h"

namespace {

constexpr int kCells = 3601;

std::filesystem::path benchFolder() {
    static const std::filesystem::path folder = [] {
        auto made = std::filesystem::temp_directory_path() /
                    ("korvel-terrain-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(made);
        return made;
    }();
    return folder;
}

// Heights of hills and valleys over the tile N60E025, written row by row.
std::filesystem::path srtmSizeTile(int blockSize) {
    const auto file = benchFolder() / ("N60E025-" + std::to_string(blockSize) + ".tif");
    if (std::filesystem::exists(file)) {
        return file;
    }
    GDALAllRegister();
    char** options = nullptr;
    if (blockSize > 0) {
        options = CSLSetNameValue(options, "TILED", "YES");
        options = CSLSetNameValue(options, "BLOCKXSIZE", std::to_string(blockSize).c_str());
        options = CSLSetNameValue(options, "BLOCKYSIZE", std::to_string(blockSize).c_str());
    }
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName("GTiff");
    GDALDataset* dataset = driver->Create(file.c_str(), kCells, kCells, 1, GDT_Int16, options);
    CSLDestroy(options);
    const double cell = 1.0 / (kCells - 1);
    double transform[6] = {25.0 - cell / 2, cell, 0.0, 61.0 + cell / 2, 0.0, -cell};
    dataset->SetGeoTransform(transform);
    OGRSpatialReference wgs84;
    wgs84.importFromEPSG(4326);
    dataset->SetSpatialRef(&wgs84);
    std::vector<std::int16_t> row(kCells);
    for (int y = 0; y < kCells; ++y) {
        for (int x = 0; x < kCells; ++x) {
            row[static_cast<std::size_t>(x)] =
                static_cast<std::int16_t>(200.0 + 150.0 * std::sin(x / 97.0) * std::cos(y / 61.0));
        }
        if (dataset->GetRasterBand(1)->RasterIO(GF_Write, 0, y, kCells, 1, row.data(), kCells, 1,
                                                GDT_Int16, 0, 0) != CE_None) {
            break;
        }
    }
    GDALClose(dataset);
    return file;
}

// A line of /proc/self/status in KiB: "VmHWM:" the peak resident memory, "VmRSS:" the present.
long residentKiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::stol(line.substr(field.size()));
        }
    }
    return 0;
}

// What the process holds with its libraries loaded, before any raster is read.
long baselineKiB = 0;

// South-east across the tile: 50 km from 60.90 N 25.10 E.
const korvel::GeoPoint kFrom{60.90, 25.10};
const korvel::GeoPoint kTo{60.5869, 25.7357};

std::unique_ptr<korvel::ElevationModel> openTile(benchmark::State& state) {
    auto opening = korvel::openElevationModel({srtmSizeTile(static_cast<int>(state.range(0)))},
                                              {KORVEL_ELEVATION_MODULE_FILE});
    if (!opening.model) {
        state.SkipWithError(opening.error.c_str());
    }
    return std::move(opening.model);
}

void profileFromSrtmTileCold(benchmark::State& state) {
    for (auto _ : state) {
        const auto model = openTile(state);
        if (!model) {
            return;
        }
        const auto sampling = korvel::sampleProfile(*model, kFrom, kTo, 0.030);
        if (!sampling.error.empty()) {
            state.SkipWithError(sampling.error.c_str());
            return;
        }
    }
    state.counters["peakGrowthMiB"] =
        static_cast<double>(residentKiB("VmHWM:") - baselineKiB) / 1024.0;
}

void profileFromSrtmTileWarm(benchmark::State& state) {
    const auto model = openTile(state);
    if (!model) {
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(korvel::sampleProfile(*model, kFrom, kTo, 0.030));
    }
    state.counters["peakGrowthMiB"] =
        static_cast<double>(residentKiB("VmHWM:") - baselineKiB) / 1024.0;
}

// Block sizes: 0 for GDAL's strips, else square tiles of that many cells.
BENCHMARK(profileFromSrtmTileCold)->Arg(0)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond);
BENCHMARK(profileFromSrtmTileWarm)->Arg(0)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (const pid_t writer = ::fork(); writer == 0) {
        for (const int blockSize : {0, 256, 1024}) {
            srtmSizeTile(blockSize);
        }
        ::_exit(0);
    } else if (writer > 0) {
        ::waitpid(writer, nullptr, 0);
    }
    baselineKiB = residentKiB("VmRSS:");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(benchFolder());
    return 0;
}
