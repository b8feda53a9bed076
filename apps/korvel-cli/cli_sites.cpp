#include "cli_sites.h"

#include <system_error>

#include "cli_context.h"
#include "cli_files.h"
#include "geo/sites_file.h"
#include "platform/file_read.h"

namespace korvel::cli {

std::optional<HopSites> readHopSites(const std::string& hopFile) {
    SitesRead read = loadSites(hopFile);
    if (read.status == SitesReadStatus::Refused) {
        reportError(sitesFilePath(hopFile).string() + ": " + read.error);
        return std::nullopt;
    }
    return std::move(read.sites);
}

bool writeHopSites(const std::string& hopFile, const HopSites& sites) {
    const std::string sitesFile = sitesFilePath(hopFile).string();
    if (const auto fault = sitesFault(sites)) {
        reportError(sitesFile + ": " + *fault + "; nothing written");
        return false;
    }
    std::error_code error;
    if (std::filesystem::exists(sitesFile, error) && !isRegularFile(sitesFile)) {
        reportError(sitesFile + ": " + kCannotWrite + " (not a regular file)");
        return false;
    }
    // A sites file that exists is written even when it keeps nothing any more (an objective
    // cleared): left alone it would still hold what was cleared.
    const bool exists = std::filesystem::exists(sitesFile, error);
    if ((exists ? writeSitesFile(sitesFile, sites) : saveSites(hopFile, sites)) !=
        FileWriteResult::Written) {
        reportError(sitesFile + ": " + kCannotWrite);
        return false;
    }
    return true;
}

} // namespace korvel::cli
