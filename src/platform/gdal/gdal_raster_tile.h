#pragma once
// One raster of an elevation model, read through GDAL's block cache: only the blocks a point
// falls in are ever read, so a path across a large tile costs the blocks it crosses.

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include <gdal_priv.h>
#include <ogr_spatialref.h>

namespace korvel {

struct TransformDeleter {
    void operator()(OGRCoordinateTransformation* transform) const {
        OGRCoordinateTransformation::DestroyCT(transform);
    }
};

class RasterTile {
  public:
    // The tile of the raster's first band, or nothing with `error` set: not a raster, no spatial
    // reference, rotated, heights in a unit that is neither metres nor feet, ...
    static std::optional<RasterTile> open(const std::filesystem::path& file, std::string& error);

    // Metres above sea level, bilinear between the four cell centres around the point; a cell
    // without data gives its weight to the others. Nothing outside the raster, where no cell
    // holds data, or when a block cannot be read (then readFault() says why).
    [[nodiscard]] std::optional<double> elevationM(double latitudeDeg, double longitudeDeg) const;

    [[nodiscard]] double cellSizeM() const { return cellSizeM_; }
    [[nodiscard]] const std::string& readFault() const { return readFault_; }

  private:
    [[nodiscard]] std::string prepareCoordinates();
    [[nodiscard]] std::string prepareBand();
    // The cell's height in metres; NaN without data or when its block cannot be read.
    [[nodiscard]] double cellM(int column, int row) const;

    GDALDatasetUniquePtr dataset_;
    GDALRasterBand* band_ = nullptr;
    std::string name_;
    int width_ = 0;
    int height_ = 0;
    int blockWidth_ = 0;
    int blockHeight_ = 0;
    GDALDataType type_ = GDT_Unknown;
    int typeBytes_ = 0;
    std::array<double, 6> transform_{}; // GDAL's geotransform: x0, dx, 0, y0, 0, dy
    std::optional<double> noData_;      // as the band's type holds it
    double scale_ = 1.0;
    double offset_ = 0.0;
    double metresPerUnit_ = 1.0;
    // From WGS84 longitude/latitude to the raster's x/y; none when the raster is in degrees.
    std::unique_ptr<OGRCoordinateTransformation, TransformDeleter> fromWgs84_;
    double cellSizeM_ = 0.0;
    mutable std::string readFault_;
};

} // namespace korvel
