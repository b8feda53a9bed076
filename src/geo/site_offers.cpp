#include "geo/site_offers.h"

#include <cmath>

#include "geo/geodesic.h"

namespace korvel {

std::optional<SiteOffers> siteOffers(const HopSites& sites) {
    if (!sites.stations[0] || !sites.stations[1]) {
        return std::nullopt;
    }
    const SitePosition& one = *sites.stations[0];
    const SitePosition& two = *sites.stations[1];
    const GeoPoint centre = geodesicMidpoint(geoPointOf(one), geoPointOf(two));
    const double centreLatitude = centre.latitudeDeg;
    const double centreLongitude = centre.longitudeDeg;
    SiteOffers offers;
    offers.hopLengthKm = geodesicLengthKm(geoPointOf(one), geoPointOf(two));
    offers.latitudeDeg = std::trunc(std::fabs(centreLatitude));
    offers.northSouth = centreLatitude < 0.0 ? NorthSouth::South : NorthSouth::North;
    offers.longitudeDeg = std::trunc(std::fabs(centreLongitude));
    offers.eastWest = centreLongitude < 0.0 ? EastWest::West : EastWest::East;
    offers.stationHeightsM = {one.groundElevationM, two.groundElevationM};
    return offers;
}

} // namespace korvel
