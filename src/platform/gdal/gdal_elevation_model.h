#pragma once
// Elevation models read with GDAL: SRTM .hgt tiles, GeoTIFF files and any other raster GDAL
// reads, in geographic coordinates or any projection GDAL can turn WGS84 into. Several files
// make one model; where they overlap, the first file given that has data at a point wins.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/elevation_model.h"

namespace korvel {

struct ElevationModelOpening {
    std::unique_ptr<ElevationModel> model; // when `error` is empty
    std::string error;                     // "hills.tif: not a raster GDAL reads", ...
};

// Reads the first band of every file whole into memory.
ElevationModelOpening openGdalElevationModel(const std::vector<std::filesystem::path>& files);

} // namespace korvel
