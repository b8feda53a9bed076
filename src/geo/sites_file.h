#pragma once
// The sites file: a hop's station positions and terrain profile in a small JSON file beside the
// hop file (NAME.HOP -> NAME.HOP.sites.json), since the hop file's fixed layout has no room for
// them. A hop without one behaves as before. The file:
//
//   {
//     "version": 2,
//     "station1": {"latitudeDeg": 60.25, "longitudeDeg": 24.8, "groundElevationM": 118.0},
//     "station2": {"latitudeDeg": 60.1, "longitudeDeg": 25.4, "groundElevationM": 12.5},
//     "profile": [{"distanceKm": 0.0, "groundM": 118.0},
//                 {"distanceKm": 0.03, "groundM": 117.2, "clutterM": 15.0}, ...],
//     "climate": {"R001": 32.0, "htM": 120.0},
//     "availabilityObjectivePct": 0.01,
//     "verdictMethod": "p530-18"
//   }
//
// Either station, the profile, the climate block (geo/climate_block.h) and the availability
// objective (the annual rain unavailability allowed, % of a year) and the method the verdict
// judges by (geo/verdict_method.h; classic when absent) may be left out; version 1
// files (without the block) are read as before. Latitudes and longitudes are decimal degrees on
// WGS84, heights m above sea level, clutter m above the ground, each within its range of
// site_ranges.h.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "geo/hop_sites.h"
#include "platform/file_replace.h"

namespace korvel {

inline constexpr int kSitesFileVersion = 2;
// The availability objective a sites file may hold, % of a year: above 0, at most this.
inline constexpr double kMaxAvailabilityObjectivePct = 10.0;
// Far above a 200 km profile sampled every 10 m; a larger file is not a sites file.
inline constexpr std::size_t kSitesFileMaxBytes = 16u << 20u;

std::filesystem::path sitesFilePath(const std::filesystem::path& hopFile);

enum class SitesReadStatus { Read, NoFile, Refused };

struct SitesRead {
    SitesReadStatus status = SitesReadStatus::NoFile;
    HopSites sites;    // when Read
    std::string error; // when Refused: "station1.latitudeDeg: expected a number from -90 to 90"
};

SitesRead parseSitesText(std::string_view text);
std::string sitesFileText(const HopSites& sites);

// What the reader would refuse in `sites`, in its words ("station1: the ground elevation must be
// from -500 to 9000 m", "profile[3]: ..."); nothing when the sites may be written.
std::optional<std::string> sitesFault(const HopSites& sites);

SitesRead readSitesFile(const std::filesystem::path& sitesFile);
// CannotWrite, the file untouched, for sites with a sitesFault.
FileWriteResult writeSitesFile(const std::filesystem::path& sitesFile, const HopSites& sites);

// The sites of the hop saved in `hopFile`: NoFile when it has none.
SitesRead loadSites(const std::filesystem::path& hopFile);

// Writes the hop's sites beside `hopFile` through the safe replace. A hop without stations and
// profile writes nothing (and an older sites file stays as it is): Written.
FileWriteResult saveSites(const std::filesystem::path& hopFile, const HopSites& sites);

} // namespace korvel
