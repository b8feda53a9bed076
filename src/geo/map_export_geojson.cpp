// GeoJSON (RFC 7946): the sites as points with the antenna of every hop there, the hops as lines
// whose properties carry the verdict (and a simplestyle stroke colour), and the hops left out.

#include <cmath>

#include <nlohmann/json.hpp>

#include "geo/map_export.h"
#include "geo/map_export_parts.h"

namespace korvel {

namespace {

using Json = nlohmann::ordered_json;

Json position(const SitePosition& site) {
    return Json::array({site.longitudeDeg, site.latitudeDeg});
}

// A hop as a line; one that crosses the antimeridian (the shorter way round is across ±180) is
// cut there into two lines that meet it from either side, as GeoJSON asks, so that viewers do
// not draw it round the whole earth. The crossing latitude is taken on the straight line in
// longitude and latitude, which is what a GeoJSON line is.
Json hopGeometry(const SitePosition& from, const SitePosition& to) {
    const double span = to.longitudeDeg - from.longitudeDeg;
    if (std::fabs(span) <= 180.0) {
        return {{"type", "LineString"},
                {"coordinates", Json::array({position(from), position(to)})}};
    }
    const double side = from.longitudeDeg > 0.0 ? 180.0 : -180.0;
    const double unwrappedTo = to.longitudeDeg + 2.0 * side;
    const double share = (side - from.longitudeDeg) / (unwrappedTo - from.longitudeDeg);
    const double latitude = from.latitudeDeg + share * (to.latitudeDeg - from.latitudeDeg);
    const Json first = Json::array({position(from), Json::array({side, latitude})});
    const Json second = Json::array({Json::array({-side, latitude}), position(to)});
    return {{"type", "MultiLineString"}, {"coordinates", Json::array({first, second})}};
}

Json siteFeature(const MapSite& site) {
    Json antennas = Json::array();
    for (const SiteAntenna& antenna : site.antennas) {
        const MapStation& station = antenna.hop->stations[antenna.end];
        antennas.push_back({{"hop", antenna.hop->name},
                            {"towards", antenna.hop->stations[1 - antenna.end].name},
                            {"stationHeightM", station.stationHeightM},
                            {"antennaHeightM", station.antennaHeightM}});
    }
    return {{"type", "Feature"},
            {"geometry", {{"type", "Point"}, {"coordinates", position(site.site)}}},
            {"properties",
             {{"name", site.name},
              {"groundElevationM", site.site.groundElevationM},
              {"antennas", std::move(antennas)},
              {"description", siteDescription(site)}}}};
}

Json endProperties(const MapStation& station, const PathEndView& view) {
    return {{"name", station.name},
            {"stationHeightM", station.stationHeightM},
            {"antennaHeightM", station.antennaHeightM},
            {"azimuthDeg", view.azimuthDeg},
            {"elevationDeg", view.elevationDeg},
            {"distanceKm", view.distanceKm}};
}

Json hopFeature(const MapHop& hop) {
    const auto views = hopEndViews(hop);
    const std::string_view key = hopVerdictKey(hop);
    Json properties = {{"name", hop.name}, {"lengthKm", hop.lengthKm}};
    properties["outagePct"] = hop.calculated ? Json(hop.outagePct) : Json(nullptr);
    properties["objectivePct"] = hop.objectivePct;
    properties["verdict"] = key;
    properties["judgement"] = hopVerdict(hop);
    properties["station1"] = endProperties(hop.stations[0], views[0]);
    properties["station2"] = endProperties(hop.stations[1], views[1]);
    properties["stroke"] = verdictColour(key);
    properties["stroke-width"] = 3;
    properties["description"] = hopDescription(hop);
    return {{"type", "Feature"},
            {"geometry", hopGeometry(hop.stations[0].site, hop.stations[1].site)},
            {"properties", std::move(properties)}};
}

} // namespace

std::string geoJsonDocument(const std::vector<MapHop>& hops,
                            const std::vector<LeftOutHop>& leftOut) {
    Json features = Json::array();
    for (const MapSite& site : mapSites(hops)) {
        features.push_back(siteFeature(site));
    }
    for (const MapHop& hop : hops) {
        features.push_back(hopFeature(hop));
    }
    Json left = Json::array();
    for (const LeftOutHop& hop : leftOut) {
        left.push_back({{"file", hop.file}, {"reason", hop.reason}});
    }
    return Json{{"type", "FeatureCollection"},
                {"features", std::move(features)},
                {"leftOut", std::move(left)}}
               .dump(1, '\t', false, Json::error_handler_t::replace) +
           "\n";
}

} // namespace korvel
