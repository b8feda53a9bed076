// Elevation models read with GDAL: SRTM .hgt tiles, GeoTIFF files, virtual rasters (.vrt) and any
// other raster GDAL reads, in geographic coordinates or any projection GDAL can turn WGS84 into.
// Built as the module korvel-elevation-gdal.so, which exports only its entry.

#include "platform/elevation_module.h"

#include <cmath>
#include <mutex>
#include <new>
#include <optional>
#include <utility>

#include <cpl_conv.h>
#include <cpl_error.h>

#include "gdal_raster_tile.h"

namespace korvel {

namespace {

// GDAL's block cache, unless the user sets GDAL_CACHEMAX: room for the blocks of a long path
// through tiles of any block size, and a bound on what terrain takes from memory.
constexpr GIntBig kBlockCacheBytes = 32LL * 1024 * 1024;

struct GdalErrorsQuiet {
    GdalErrorsQuiet() { CPLPushErrorHandler(CPLQuietErrorHandler); }
    ~GdalErrorsQuiet() { CPLPopErrorHandler(); }
    GdalErrorsQuiet(const GdalErrorsQuiet&) = delete;
    GdalErrorsQuiet& operator=(const GdalErrorsQuiet&) = delete;
};

class GdalElevationModel final : public ElevationModel {
  public:
    explicit GdalElevationModel(std::vector<RasterTile> tiles) : tiles_(std::move(tiles)) {}

    [[nodiscard]] std::optional<double> elevationM(double latitudeDeg,
                                                   double longitudeDeg) const override {
        // GDAL's datasets serve one thread at a time.
        const std::scoped_lock lock(reading_);
        const GdalErrorsQuiet quiet;
        for (const RasterTile& tile : tiles_) {
            if (const auto value = tile.elevationM(latitudeDeg, longitudeDeg)) {
                return value;
            }
            if (!tile.readFault().empty()) {
                return std::nullopt;
            }
        }
        return std::nullopt;
    }

    [[nodiscard]] double cellSizeM() const override {
        double finest = HUGE_VAL;
        for (const RasterTile& tile : tiles_) {
            finest = std::min(finest, tile.cellSizeM());
        }
        return finest;
    }

    [[nodiscard]] std::string readFault() const override {
        const std::scoped_lock lock(reading_);
        for (const RasterTile& tile : tiles_) {
            if (!tile.readFault().empty()) {
                return tile.readFault();
            }
        }
        return {};
    }

  private:
    std::vector<RasterTile> tiles_;
    mutable std::mutex reading_;
};

void registerGdal() {
    static std::once_flag registered;
    std::call_once(registered, [] {
        GDALAllRegister();
        if (CPLGetConfigOption("GDAL_CACHEMAX", nullptr) == nullptr) {
            GDALSetCacheMax64(kBlockCacheBytes);
        }
    });
}

ElevationModelOpening openGdalElevationModel(const std::vector<std::filesystem::path>& files) {
    registerGdal();
    const GdalErrorsQuiet quiet;
    if (files.empty()) {
        return {nullptr, "no elevation model given"};
    }
    std::vector<RasterTile> tiles;
    for (const auto& file : files) {
        CPLErrorReset();
        std::string error;
        auto tile = RasterTile::open(file, error);
        if (!tile) {
            return {nullptr, file.filename().string() + ": " + error};
        }
        tiles.push_back(std::move(*tile));
    }
    return {std::make_unique<GdalElevationModel>(std::move(tiles)), {}};
}

} // namespace

} // namespace korvel

// No exception crosses the C entry.
void korvel_open_elevation_model(const std::vector<std::filesystem::path>& files,
                                 korvel::ElevationModelOpening& opening) noexcept {
    try {
        opening = korvel::openGdalElevationModel(files);
    } catch (const std::bad_alloc&) {
        opening = {nullptr, "the elevation model does not fit in memory"};
    } catch (const std::exception& failure) {
        opening = {nullptr, failure.what()};
    }
}
