#pragma once
// The sites file beside a hop file, kept one with the hop: read with the hop, written only when
// the hop's sites changed, never over another program's newer file or a file that could not be
// used without asking, and written or removed so that no sites file describes another hop.

#include <filesystem>
#include <optional>
#include <string>

#include "geo/hop_sites.h"

namespace korvel {

class Messages;
struct HopState;

// The sites file as the hop last read or wrote it.
struct SitesOnDisk {
    std::filesystem::path file;       // the sites file; empty for a hop that has no file yet
    std::optional<std::string> bytes; // its bytes then; nothing when there was no file
    bool refused = false;             // it could not be used: the hop opened without its sites
    HopSites sites;                   // the hop's sites then
};

// The hop's sites and their file as last read or written, and where the planner is asked or told.
struct SitesFileParts {
    HopSites& sites;
    SitesOnDisk& onDisk;
    Messages& messages;
};

// The hop's sites differ from those it last read or wrote: Save has something to keep.
[[nodiscard]] bool hopSitesChanged(const HopSites& sites, const SitesOnDisk& onDisk);

// Reads the sites beside the hop file just read (none without one; a file that cannot be used is
// said so and kept as it is).
void readHopSites(const SitesFileParts& parts, const std::filesystem::path& hopFile);

// What saving the hop beside `hopFile` does to its sites file.
struct SitesSave {
    enum class Action { Keep, Write, Remove } action = Action::Keep;
    std::filesystem::path file;
    std::string text; // with Write
};

// Decides, asking the planner where the disk's file would be lost (No, the default, keeps the
// disk's file and the hop takes its sites).
SitesSave planSitesSave(const SitesFileParts& parts, const std::filesystem::path& hopFile);

// Carries the plan out, `known` then telling the file as the hop's `sites` left it; false when
// the sites file could not be written or removed.
bool carryOutSitesSave(const HopSites& sites, SitesOnDisk& known, const SitesSave& plan);

// Writes the hop to `hopFile` (which exists), then its sites file as planSitesSave decides. When
// the sites file cannot be written the hop file gets its old bytes back and the planner is told:
// both files stay as they were. False when nothing was saved (`shownName` emptied when the hop
// write failed).
bool writeHopWithSites(const HopState& hop, const SitesFileParts& parts,
                       const std::filesystem::path& hopFile, std::string& shownName);

} // namespace korvel
