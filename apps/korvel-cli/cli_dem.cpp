#include "cli_dem.h"

#include <filesystem>
#include <optional>

#include "platform/elevation_module.h"
#include "platform/elevation_sources.h"
#include "platform/ini_profile.h"

namespace korvel::cli {

void addDemOptions(CLI::App& command, DemOptions& dem, const CliContext& context,
                   const std::string& help) {
    dem.global = &context.options;
    command.add_option("--dem", dem.files,
                       help + "; without it, the elevation models of the settings ([terrain] "
                              "Source1, Source2, ... of the profile)");
    command.add_flag("--dem-gdal-names", dem.gdalNames,
                     "Hand the --dem names to GDAL as they are (driver prefixes, /vsizip/ and "
                     "other virtual paths); without it each must be an existing regular file "
                     "or folder");
}

bool takeSettingsSources(DemOptions& dem) {
    if (!dem.files.empty() || dem.global == nullptr) {
        return !dem.files.empty();
    }
    std::optional<std::filesystem::path> explicitFile;
    if (!dem.global->profileFile.empty()) {
        explicitFile = dem.global->profileFile;
    }
    const auto profileFile = resolveProfilePath(explicitFile);
    if (!profileFile) {
        return false;
    }
    const auto profile = IniProfile::fromFile(*profileFile);
    if (!profile) {
        return false;
    }
    for (const auto& source : elevationSources(*profile)) {
        dem.files.push_back(source.string());
    }
    dem.settingsFile = profileFile->string();
    return !dem.files.empty();
}

std::unique_ptr<ElevationModel> openDem(const DemOptions& dem) {
    auto opening = openElevationModel(
        std::vector<std::filesystem::path>(dem.files.begin(), dem.files.end()),
        dem.gdalNames ? ElevationNames::AsGdalNames : ElevationNames::RegularFiles);
    if (!opening.model) {
        reportError(opening.error + (dem.settingsFile.empty()
                                         ? ""
                                         : " (an elevation model of the settings, [terrain] in " +
                                               dem.settingsFile + ")"));
    }
    return std::move(opening.model);
}

} // namespace korvel::cli
