#pragma once
// Distances and points along the shortest path on the WGS84 ellipsoid (the geodesic), through
// GeographicLib. Accurate to a few nanometres over any distance.

#include <vector>

#include "geo/hop_sites.h"

namespace korvel {

struct GeoPoint {
    double latitudeDeg = 0.0;  // decimal degrees, north positive
    double longitudeDeg = 0.0; // decimal degrees, east positive
};

// Length of the geodesic between the two points, km.
double geodesicLengthKm(GeoPoint from, GeoPoint to);

// The azimuths at both ends of the geodesic, degrees clockwise from true north in [0, 360): at
// `from` toward `to`, and at `to` back toward `from`.
struct GeodesicAzimuths {
    double fromDeg = 0.0;
    double toDeg = 0.0;
};
GeodesicAzimuths geodesicAzimuths(GeoPoint from, GeoPoint to);

// An azimuth in degrees brought into [0, 360).
double compassDeg(double azimuthDeg);

// The point halfway along the geodesic.
GeoPoint geodesicMidpoint(GeoPoint from, GeoPoint to);

// Points along the geodesic from `from` to `to` at 0, stepKm, 2·stepKm, ... and the end point
// itself, so that the first is `from` and the last is `to`. stepKm > 0. Each comes with its
// distance from `from`, km.
struct GeodesicSample {
    GeoPoint point;
    double distanceKm = 0.0;
};
std::vector<GeodesicSample> geodesicSamples(GeoPoint from, GeoPoint to, double stepKm);

inline GeoPoint geoPointOf(const SitePosition& site) {
    return {site.latitudeDeg, site.longitudeDeg};
}

} // namespace korvel
