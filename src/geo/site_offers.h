#pragma once
// What a hop's two sites offer to its record, for the planner to confirm: the hop length along
// the geodesic, the whole degrees of latitude and longitude with their hemispheres, and the
// station heights from the ground elevations. Nothing here changes the record.

#include <array>
#include <optional>

#include "engine/hop_record.h"
#include "geo/hop_sites.h"

namespace korvel {

struct SiteOffers {
    double hopLengthKm = 0.0;
    // The whole degrees of the path's centre, cut toward zero as a map's degree square reads them.
    double latitudeDeg = 0.0; // 0 to 90
    NorthSouth northSouth = NorthSouth::North;
    double longitudeDeg = 0.0; // 0 to 180
    EastWest eastWest = EastWest::East;
    std::array<double, 2> stationHeightsM{}; // the sites' ground elevations
};

// Nothing unless both stations have a site.
std::optional<SiteOffers> siteOffers(const HopSites& sites);

} // namespace korvel
