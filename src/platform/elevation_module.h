#pragma once
// Elevation models are read by a module loaded at run time (korvel-elevation-gdal.so), so that a
// program starts without GDAL's many libraries and loads them only for a command that reads
// terrain. The module and the programs install together from one build: the entry below passes
// standard library types across.

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

// How the names of the models are taken.
enum class ElevationNames {
    RegularFiles, // each an existing regular file or a folder of rasters, checked before GDAL
    AsGdalNames,  // handed to GDAL as they are: driver prefixes, /vsi... paths (asked for)
};

// Opens one model from the files (SRTM .hgt tiles, GeoTIFF files, virtual rasters, any raster GDAL
// reads, and with RegularFiles the rasters of a folder by name; where they overlap, the first file
// given that has data at a point wins) with the module found beside
// the running program (a build tree) or in the library folder of its install prefix. The error
// names the files looked for when the module is missing, or what is wrong with it (a damaged
// module is refused before it is loaded). With RegularFiles a missing file says "FILE: the file
// is missing", a FIFO or device "FILE: not a regular file" and a folder without rasters says so,
// before GDAL opens any.
ElevationModelOpening openElevationModel(const std::vector<std::filesystem::path>& files,
                                         ElevationNames names = ElevationNames::RegularFiles);

// The same with the module taken from the first of `moduleFiles` that exists.
ElevationModelOpening openElevationModel(const std::vector<std::filesystem::path>& files,
                                         const std::vector<std::filesystem::path>& moduleFiles,
                                         ElevationNames names = ElevationNames::RegularFiles);

} // namespace korvel

// The one entry the module exports: fills `opening` for `files`, each read later block by block
// where points are asked for.
extern "C" [[gnu::visibility("default")]] void
korvel_open_elevation_model(const std::vector<std::filesystem::path>& files,
                            korvel::ElevationModelOpening& opening) noexcept;
