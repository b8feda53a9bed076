#pragma once
// A station's site as a planner types it: the latitude and the longitude (decimal degrees,
// degrees minutes seconds and a hemisphere, see coordinate_text.h) and the ground elevation in m
// above sea level. A pair pasted into one coordinate ("60.1699, 24.9384") with the other left
// empty reads as both; "60,5" alone is 60.5, as the number fields read a comma. Texts are
// Windows-1252; the error names the value refused.

#include <optional>
#include <string>
#include <string_view>

#include "geo/coordinate_text.h"
#include "geo/geodesic.h"
#include "geo/hop_sites.h"

namespace korvel {

struct SiteTexts {
    std::string latitude;
    std::string longitude;
    std::string groundM;
};

enum class SiteField { None, Latitude, Longitude, Ground };

struct SiteEntry {
    bool blank = false;            // nothing typed: the station has no site
    std::optional<GeoPoint> point; // when the latitude and the longitude read
    std::optional<double> groundM; // when the ground elevation reads
    SiteField refused = SiteField::None;
    std::string error; // with a refused field: "latitude \"91\": out of range, ..."

    // The whole site, when nothing is missing or refused.
    [[nodiscard]] std::optional<SitePosition> site() const;
};

// Reads the three texts; the first refused or missing value is the one said.
SiteEntry readSiteEntry(const SiteTexts& texts);

// The two halves of a pair typed or pasted into one field, each of which reads as its
// coordinate; nothing for a single coordinate or a lone decimal comma ("60,5").
std::optional<PositionParts> pastedPair(std::string_view text);

} // namespace korvel
