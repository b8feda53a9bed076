#pragma once
// The elevation model flags of the commands that read terrain: --dem SOURCE (repeatable: a
// raster, a folder of rasters or a virtual raster) and --dem-gdal-names, which hands the names to
// GDAL as they are instead of checking each first. Without --dem, the models the settings hold
// ([terrain] of the user profile, as the desktop's Terrain dialog keeps them).

#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli_context.h"
#include "platform/elevation_model.h"

namespace korvel::cli {

struct DemOptions {
    std::vector<std::string> files;
    bool gdalNames = false;
    const GlobalOptions* global = nullptr; // where the settings are
    std::string settingsFile;              // the profile the files came from, when they did
};

void addDemOptions(CLI::App& command, DemOptions& dem, const CliContext& context,
                   const std::string& help);

// Without --dem, takes the sources the settings hold; false when there are none.
bool takeSettingsSources(DemOptions& dem);

// The model of the files, or nothing after its error on stderr.
std::unique_ptr<ElevationModel> openDem(const DemOptions& dem);

} // namespace korvel::cli
