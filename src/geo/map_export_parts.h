#pragma once
// What the KML and GeoJSON writers share: the sites of the hops, the descriptions in words and
// the colour of each verdict.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "geo/map_export.h"
#include "geo/map_export_ends.h"

namespace korvel {

// One hop's antenna at a site.
struct SiteAntenna {
    const MapHop* hop = nullptr;
    std::size_t end = 0; // 0 or 1: which station of the hop the site is
};

// A site of the map with the antenna of every hop there (same name, same place).
struct MapSite {
    std::string name;
    SitePosition site;
    std::vector<SiteAntenna> antennas;
};

std::vector<MapSite> mapSites(const std::vector<MapHop>& hops);

// The view from each end of the hop, antenna tips above sea level.
std::array<PathEndView, 2> hopEndViews(const MapHop& hop);

// "Ground 12.0 m. Antenna 50.0 m above the station (120.0 m above sea level) towards Harbour
// (Hilltop - Harbour)." and one such sentence per hop at the site.
std::string siteDescription(const MapSite& site);
// "Length 40.0 km. Outage ... ; objective ...; misses by .... At Hilltop: antenna 50.0 m ...,
// azimuth 123.4°, elevation angle -0.12°, 40.0 km to Harbour. At Harbour: ..."
std::string hopDescription(const MapHop& hop);
// "Left out: LINK9.HOP (the hop has no sites); ..." or empty.
std::string leftOutDescription(const std::vector<LeftOutHop>& leftOut);

// "#1a9641" for a hop that meets, red for one that misses, grey otherwise.
std::string_view verdictColour(std::string_view verdictKey);
inline constexpr std::array<std::string_view, 5> kVerdictKeys{"meets", "misses", "notJudged",
                                                              "notCalculated", "outOfDate"};

} // namespace korvel
