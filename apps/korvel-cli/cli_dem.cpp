#include "cli_dem.h"

#include <filesystem>

#include "cli_context.h"
#include "platform/elevation_module.h"

namespace korvel::cli {

void addDemOptions(CLI::App& command, DemOptions& dem, const std::string& help) {
    command.add_option("--dem", dem.files, help);
    command.add_flag("--dem-gdal-names", dem.gdalNames,
                     "Hand the --dem names to GDAL as they are (driver prefixes, /vsizip/ and "
                     "other virtual paths); without it each must be an existing regular file");
}

std::unique_ptr<ElevationModel> openDem(const DemOptions& dem) {
    auto opening = openElevationModel(
        std::vector<std::filesystem::path>(dem.files.begin(), dem.files.end()),
        dem.gdalNames ? ElevationNames::AsGdalNames : ElevationNames::RegularFiles);
    if (!opening.model) {
        reportError(opening.error);
    }
    return std::move(opening.model);
}

} // namespace korvel::cli
