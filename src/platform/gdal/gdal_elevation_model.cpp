// Elevation models read with GDAL: SRTM .hgt tiles, GeoTIFF files and any other raster GDAL
// reads, in geographic coordinates or any projection GDAL can turn WGS84 into. Built as the
// module korvel-elevation-gdal.so, which exports only its entry.

#include "platform/elevation_module.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>
#include <new>
#include <numbers>
#include <optional>
#include <utility>

#include <cpl_error.h>
#include <gdal_priv.h>
#include <ogr_spatialref.h>

namespace korvel {

namespace {

// Metres in a degree of latitude on a sphere of the mean earth radius, 6371 km.
constexpr double kMetresPerDegree = 6371000.0 * std::numbers::pi / 180.0;
// Larger rasters are cut to the area of the hops first (gdal_translate -projwin).
constexpr long long kMaxCells = 200'000'000;

struct GdalErrorsQuiet {
    GdalErrorsQuiet() { CPLPushErrorHandler(CPLQuietErrorHandler); }
    ~GdalErrorsQuiet() { CPLPopErrorHandler(); }
    GdalErrorsQuiet(const GdalErrorsQuiet&) = delete;
    GdalErrorsQuiet& operator=(const GdalErrorsQuiet&) = delete;
};

struct TransformDeleter {
    void operator()(OGRCoordinateTransformation* transform) const {
        OGRCoordinateTransformation::DestroyCT(transform);
    }
};

// One raster held in memory: its cells row by row from the north-west corner.
class Tile {
  public:
    std::vector<float> cells;
    int width = 0;
    int height = 0;
    std::array<double, 6> transform{}; // GDAL's geotransform: x0, dx, 0, y0, 0, dy
    std::optional<double> noData;
    // From WGS84 longitude/latitude to the raster's x/y; none when the raster is in degrees.
    std::unique_ptr<OGRCoordinateTransformation, TransformDeleter> fromWgs84;
    double cellSizeM = 0.0;

    [[nodiscard]] std::optional<double> elevationM(double latitudeDeg, double longitudeDeg) const {
        double x = longitudeDeg;
        double y = latitudeDeg;
        if (fromWgs84 && !fromWgs84->Transform(1, &x, &y)) {
            return std::nullopt;
        }
        // Pixel coordinates counted from the centre of the first cell.
        double column = (x - transform[0]) / transform[1] - 0.5;
        double row = (y - transform[3]) / transform[5] - 0.5;
        if (!(column >= -0.5 && row >= -0.5 && column <= width - 0.5 && row <= height - 0.5)) {
            return std::nullopt;
        }
        // Between the raster's edge and the outer cell centres the outer cells hold.
        column = std::clamp(column, 0.0, static_cast<double>(width - 1));
        row = std::clamp(row, 0.0, static_cast<double>(height - 1));
        const int left = std::min(static_cast<int>(column), width - 1);
        const int top = std::min(static_cast<int>(row), height - 1);
        const int right = std::min(left + 1, width - 1);
        const int bottom = std::min(top + 1, height - 1);
        const double across = column - left;
        const double down = row - top;
        const std::array<std::pair<double, double>, 4> corners{{
            {cell(left, top), (1 - across) * (1 - down)},
            {cell(right, top), across * (1 - down)},
            {cell(left, bottom), (1 - across) * down},
            {cell(right, bottom), across * down},
        }};
        // A cell without data drops out and the others share its weight.
        double sum = 0.0;
        double weight = 0.0;
        for (const auto& [value, share] : corners) {
            if (std::isfinite(value) && share > 0.0) {
                sum += value * share;
                weight += share;
            }
        }
        if (weight <= 0.0) {
            return std::nullopt;
        }
        return sum / weight;
    }

  private:
    [[nodiscard]] double cell(int column, int row) const {
        const double value = cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                                   static_cast<std::size_t>(column)];
        return noData && value == *noData ? NAN : value;
    }
};

class GdalElevationModel final : public ElevationModel {
  public:
    explicit GdalElevationModel(std::vector<Tile> tiles) : tiles_(std::move(tiles)) {}

    [[nodiscard]] std::optional<double> elevationM(double latitudeDeg,
                                                   double longitudeDeg) const override {
        for (const Tile& tile : tiles_) {
            if (const auto value = tile.elevationM(latitudeDeg, longitudeDeg)) {
                return value;
            }
        }
        return std::nullopt;
    }

    [[nodiscard]] double cellSizeM() const override {
        double finest = HUGE_VAL;
        for (const Tile& tile : tiles_) {
            finest = std::min(finest, tile.cellSizeM);
        }
        return finest;
    }

  private:
    std::vector<Tile> tiles_;
};

std::string lastGdalError(const std::string& otherwise) {
    const std::string message = CPLGetLastErrorMsg();
    return message.empty() ? otherwise : message;
}

// Where the raster is not in WGS84 degrees, the transformation into its coordinates.
std::string prepareCoordinates(GDALDataset& dataset, Tile& tile) {
    const OGRSpatialReference* rasterSystem = dataset.GetSpatialRef();
    if (rasterSystem == nullptr || rasterSystem->IsEmpty()) {
        // Rasters without a coordinate system (a bare .asc grid) are taken as WGS84 degrees.
        tile.cellSizeM = std::fabs(tile.transform[5]) * kMetresPerDegree;
        return {};
    }
    OGRSpatialReference wgs84;
    wgs84.SetWellKnownGeogCS("WGS84");
    wgs84.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    if (rasterSystem->IsGeographic() && rasterSystem->IsSameGeogCS(&wgs84)) {
        tile.cellSizeM = std::fabs(tile.transform[5]) * kMetresPerDegree;
        return {};
    }
    OGRSpatialReference target(*rasterSystem);
    target.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    tile.fromWgs84.reset(OGRCreateCoordinateTransformation(&wgs84, &target));
    if (!tile.fromWgs84) {
        return "its coordinate system cannot be reached from WGS84";
    }
    const double unitM = target.IsGeographic() ? kMetresPerDegree : target.GetLinearUnits();
    tile.cellSizeM = std::fabs(tile.transform[5]) * unitM;
    return {};
}

std::optional<Tile> readTile(const std::filesystem::path& file, std::string& error) {
    const GDALDatasetUniquePtr dataset(
        GDALDataset::Open(file.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY));
    if (!dataset) {
        error = lastGdalError("not a raster GDAL reads");
        return std::nullopt;
    }
    Tile tile;
    tile.width = dataset->GetRasterXSize();
    tile.height = dataset->GetRasterYSize();
    if (dataset->GetRasterCount() < 1 || tile.width < 1 || tile.height < 1) {
        error = "the raster holds no band of values";
        return std::nullopt;
    }
    if (static_cast<long long>(tile.width) * tile.height > kMaxCells) {
        error = "the raster has more than " + std::to_string(kMaxCells) +
                " cells; cut it to the area of the hops first";
        return std::nullopt;
    }
    if (dataset->GetGeoTransform(tile.transform.data()) != CE_None) {
        error = "the raster has no position on the earth (no geotransform)";
        return std::nullopt;
    }
    if (tile.transform[2] != 0.0 || tile.transform[4] != 0.0 || tile.transform[1] == 0.0 ||
        tile.transform[5] == 0.0) {
        error = "the raster is rotated; turn it north up first (gdalwarp)";
        return std::nullopt;
    }
    if (error = prepareCoordinates(*dataset, tile); !error.empty()) {
        return std::nullopt;
    }
    GDALRasterBand* band = dataset->GetRasterBand(1);
    int hasNoData = 0;
    const double noData = band->GetNoDataValue(&hasNoData);
    if (hasNoData != 0) {
        tile.noData = static_cast<float>(noData); // compared with cells read as float
    }
    tile.cells.resize(static_cast<std::size_t>(tile.width) * static_cast<std::size_t>(tile.height));
    if (band->RasterIO(GF_Read, 0, 0, tile.width, tile.height, tile.cells.data(), tile.width,
                       tile.height, GDT_Float32, 0, 0) != CE_None) {
        error = lastGdalError("the raster's values cannot be read");
        return std::nullopt;
    }
    return tile;
}

ElevationModelOpening openGdalElevationModel(const std::vector<std::filesystem::path>& files) {
    static std::once_flag registered;
    std::call_once(registered, [] { GDALAllRegister(); });
    const GdalErrorsQuiet quiet;
    if (files.empty()) {
        return {nullptr, "no elevation model given"};
    }
    std::vector<Tile> tiles;
    for (const auto& file : files) {
        CPLErrorReset();
        std::string error;
        auto tile = readTile(file, error);
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
