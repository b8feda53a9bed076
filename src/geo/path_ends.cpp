#include "geo/path_ends.h"

#include <cmath>
#include <numbers>

#include "geo/geodesic.h"
#include "geo/path_geometry.h"

namespace korvel {

namespace {

// Toward a tip `riseM` higher at `distanceKm`, the ray dips by the earth's curvature for k.
double elevationDeg(double riseM, double distanceKm) {
    if (!(distanceKm > 0.0)) {
        return 0.0;
    }
    const double distanceM = distanceKm * kMetresPerKm;
    const double radiusM = kMedianEarthRadiusFactor * kEarthRadiusKm * kMetresPerKm;
    return std::atan(riseM / distanceM - distanceM / (2.0 * radiusM)) * 180.0 / std::numbers::pi;
}

} // namespace

PathEnds pathEnds(const std::array<std::optional<SitePosition>, 2>& sites, double hopLengthKm,
                  AntennaTips tips) {
    PathEnds ends;
    ends.distanceKm = hopLengthKm;
    if (sites[0] && sites[1]) {
        const GeoPoint one = geoPointOf(*sites[0]);
        const GeoPoint two = geoPointOf(*sites[1]);
        ends.distanceKm = geodesicLengthKm(one, two);
        const GeodesicAzimuths azimuths = geodesicAzimuths(one, two);
        ends.ends[0].azimuthDeg = azimuths.fromDeg;
        ends.ends[1].azimuthDeg = azimuths.toDeg;
    }
    const double riseM = tips.antenna2AltitudeM - tips.antenna1AltitudeM;
    ends.ends[0].elevationDeg = elevationDeg(riseM, ends.distanceKm);
    ends.ends[1].elevationDeg = elevationDeg(-riseM, ends.distanceKm);
    return ends;
}

} // namespace korvel
