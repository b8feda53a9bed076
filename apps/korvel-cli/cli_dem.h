#pragma once
// The elevation model flags of the commands that read terrain: --dem FILE (repeatable) and
// --dem-gdal-names, which hands the names to GDAL as they are instead of checking each is a
// regular file first.

#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "platform/elevation_model.h"

namespace korvel::cli {

struct DemOptions {
    std::vector<std::string> files;
    bool gdalNames = false;
};

void addDemOptions(CLI::App& command, DemOptions& dem, const std::string& help);

// The model of the files, or nothing after its error on stderr.
std::unique_ptr<ElevationModel> openDem(const DemOptions& dem);

} // namespace korvel::cli
