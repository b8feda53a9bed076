#include "geo/geodesic.h"

#include <algorithm>
#include <cmath>

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/GeodesicLine.hpp>

#include "geo/path_geometry.h"

namespace korvel {

double geodesicLengthKm(GeoPoint from, GeoPoint to) {
    double metres = 0.0;
    GeographicLib::Geodesic::WGS84().Inverse(from.latitudeDeg, from.longitudeDeg, to.latitudeDeg,
                                             to.longitudeDeg, metres);
    return metres / kMetresPerKm;
}

double compassDeg(double azimuthDeg) {
    const double turned = std::fmod(azimuthDeg + 360.0, 360.0);
    return turned >= 360.0 ? 0.0 : turned;
}

GeodesicAzimuths geodesicAzimuths(GeoPoint from, GeoPoint to) {
    double forwardAtFrom = 0.0;
    double forwardAtTo = 0.0;
    GeographicLib::Geodesic::WGS84().Inverse(from.latitudeDeg, from.longitudeDeg, to.latitudeDeg,
                                             to.longitudeDeg, forwardAtFrom, forwardAtTo);
    // The geodesic arrives at `to` heading forwardAtTo: looking back is the opposite way.
    return {compassDeg(forwardAtFrom), compassDeg(forwardAtTo + 180.0)};
}

GeoPoint geodesicMidpoint(GeoPoint from, GeoPoint to) {
    const GeographicLib::GeodesicLine line = GeographicLib::Geodesic::WGS84().InverseLine(
        from.latitudeDeg, from.longitudeDeg, to.latitudeDeg, to.longitudeDeg);
    GeoPoint middle;
    line.Position(line.Distance() / 2.0, middle.latitudeDeg, middle.longitudeDeg);
    return middle;
}

std::vector<GeodesicSample> geodesicSamples(GeoPoint from, GeoPoint to, double stepKm) {
    const GeographicLib::GeodesicLine line = GeographicLib::Geodesic::WGS84().InverseLine(
        from.latitudeDeg, from.longitudeDeg, to.latitudeDeg, to.longitudeDeg);
    const double lengthKm = line.Distance() / kMetresPerKm;
    // The last whole step stops short of the end; the end point closes the list exactly.
    const auto steps = static_cast<long>(std::ceil(lengthKm / stepKm - 1e-9));
    std::vector<GeodesicSample> samples;
    samples.reserve(static_cast<std::size_t>(std::max(steps, 0L)) + 1);
    for (long i = 0; i < steps; ++i) {
        const double distanceKm = static_cast<double>(i) * stepKm;
        GeodesicSample sample{{}, distanceKm};
        line.Position(distanceKm * kMetresPerKm, sample.point.latitudeDeg,
                      sample.point.longitudeDeg);
        samples.push_back(sample);
    }
    samples.push_back({to, lengthKm});
    return samples;
}

} // namespace korvel
