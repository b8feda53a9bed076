#pragma once
// The port to terrain elevation models: the ground elevation at a point from whatever rasters
// the planner has (SRTM tiles, GeoTIFF files, ...), however they are stored.

#include <optional>
#include <string>

namespace korvel {

class ElevationModel {
  public:
    virtual ~ElevationModel() = default;

    // Ground elevation at the point, m above sea level, interpolated bilinearly between the
    // centres of the four cells around it. Nothing where no raster covers the point or its
    // cells hold no data. Latitude and longitude in decimal degrees on WGS84.
    [[nodiscard]] virtual std::optional<double> elevationM(double latitudeDeg,
                                                           double longitudeDeg) const = 0;

    // The north-south size of the finest raster's cells, m: the step at which sampling the
    // model still sees every cell.
    [[nodiscard]] virtual double cellSizeM() const = 0;

    // Why a raster could not be read since the model opened ("hills.tif: truncated ..."), or
    // empty: tells a damaged file from ground that no raster covers.
    [[nodiscard]] virtual std::string readFault() const { return {}; }
};

} // namespace korvel
