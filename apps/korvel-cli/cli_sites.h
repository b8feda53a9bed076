#pragma once
// The sites file beside a hop file, read and written with the tool's words for failures:
// "FILE.HOP.sites.json: version 2: written by a newer Korvel; ...", "...: cannot write".

#include <optional>
#include <string>

#include "geo/hop_sites.h"

namespace korvel::cli {

// The hop's sites; empty ones when it has no sites file; nothing after the file's refusal.
std::optional<HopSites> readHopSites(const std::string& hopFile);

// False after "FILE.HOP.sites.json: cannot write", "...: cannot write (not a regular file)" or what
// the reader would refuse ("...: station1: the ground elevation must be from -500 to 9000 m;
// nothing written"), the old file left whole.
bool writeHopSites(const std::string& hopFile, const HopSites& sites);

} // namespace korvel::cli
