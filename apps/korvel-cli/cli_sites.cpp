#include "cli_sites.h"

#include "cli_context.h"
#include "cli_files.h"
#include "geo/sites_file.h"

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
    if (saveSites(hopFile, sites) != FileWriteResult::Written) {
        reportError(sitesFilePath(hopFile).string() + ": " + kCannotWrite);
        return false;
    }
    return true;
}

} // namespace korvel::cli
