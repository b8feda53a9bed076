#pragma once
// The common sites file read without building a JSON document: a version and the two stations,
// nothing else. A batch of hops reads one per hop, and a document cost more than the hop's
// calculation.

#include <optional>
#include <string_view>

#include "geo/hop_sites.h"

namespace korvel {

// The sites of a file that holds only "version" (1 or `currentVersion`) and "station1" and/or
// "station2", each key once and unescaped, every value in range: what the full reader gives for
// it, to the bit. Nothing for any other file, which the full reader then accepts or refuses in
// its own words.
std::optional<HopSites> readPlainSites(std::string_view text, int currentVersion);

} // namespace korvel
