#pragma once
// The elevation models a planner keeps in the settings, the user profile's section
//   [terrain]
//   Source1=/data/srtm
//   Source2=/data/coast.vrt
// read by both programs, written by the desktop's Terrain dialog. Each source is a raster file,
// a folder of rasters or a virtual raster, in the order they are tried.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile.h"

namespace korvel {

// Said wherever the terrain is asked for while the settings hold no elevation model.
inline constexpr std::string_view kNoElevationModelText =
    "No elevation model is set. Add the files or folders Korvel reads the terrain from with "
    "Tools > Terrain...";

// Source1, Source2, ... up to the first missing or empty one.
std::vector<std::filesystem::path> elevationSources(const Profile& profile);

// Writes `sources` as the [terrain] section of the profile file, keeping every other line as it
// is; a missing file is made. Empty, or the error: "profile.ini: cannot write (...)"; on error
// the file stays as it was.
std::string saveElevationSources(const std::filesystem::path& profileFile,
                                 const std::vector<std::filesystem::path>& sources);

} // namespace korvel
