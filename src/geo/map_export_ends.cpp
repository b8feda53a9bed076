#include "geo/map_export_ends.h"

#include <cmath>
#include <numbers>

#include <GeographicLib/Geodesic.hpp>

#include "geo/geodesic.h"
#include "geo/path_geometry.h"

namespace korvel {

namespace {

double degrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

// Towards a tip `riseM` higher at `distanceM`, the far tip sinks by the bulge of the whole path.
double elevationAngleDeg(double riseM, double distanceM) {
    const double effectiveRadiusM = kMedianEarthRadiusFactor * kEarthRadiusKm * kMetresPerKm;
    return degrees(std::atan(riseM / distanceM - distanceM / (2.0 * effectiveRadiusM)));
}

} // namespace

std::array<PathEndView, 2> pathEndViews(const std::array<SitePosition, 2>& sites,
                                        const std::array<double, 2>& tipHeightsM) {
    double metres = 0.0;
    double azimuthAt1 = 0.0;
    double azimuthAt2 = 0.0; // forward, along the path, at station 2
    GeographicLib::Geodesic::WGS84().Inverse(sites[0].latitudeDeg, sites[0].longitudeDeg,
                                             sites[1].latitudeDeg, sites[1].longitudeDeg, metres,
                                             azimuthAt1, azimuthAt2);
    const double rise = tipHeightsM[1] - tipHeightsM[0];
    const double km = metres / kMetresPerKm;
    if (!(metres > 0.0)) {
        return {PathEndView{0.0, 0.0, km}, PathEndView{0.0, 0.0, km}};
    }
    return {PathEndView{compassDeg(azimuthAt1), elevationAngleDeg(rise, metres), km},
            PathEndView{compassDeg(azimuthAt2 + 180.0), elevationAngleDeg(-rise, metres), km}};
}

} // namespace korvel
