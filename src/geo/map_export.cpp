#include "geo/map_export.h"

#include <cmath>

#include <nlohmann/json.hpp>

#include "engine/number_text.h"
#include "engine/verdict_words.h"
#include "platform/text_encoding.h"
#include "route/route_hop_status.h"

namespace korvel {

namespace {

std::string hopDescription(const MapHop& hop) {
    std::string text = "Length " + formatNumbers("%.1f", hop.lengthKm) + " km. ";
    if (hop.calculated && !hop.outOfDate) {
        text += "Outage " + formatNumbers("%.5g", hop.outagePct) + " % of the worst month; ";
    }
    text +=
        "objective " + formatNumbers("%.5g", hop.objectivePct) + " %; " + mapHopVerdict(hop) + ".";
    return text;
}

std::string stationDescription(const MapStation& station) {
    return "Ground " + formatNumbers("%.1f", station.site.groundElevationM) + " m, station " +
           formatNumbers("%.1f", station.stationHeightM) + " m above sea level, antenna " +
           formatNumbers("%.1f", station.antennaHeightM) + " m above the station.";
}

// The stations of all hops, a station shared by two hops (same name, same place) once.
std::vector<MapStation> distinctStations(const std::vector<MapHop>& hops) {
    std::vector<MapStation> stations;
    for (const MapHop& hop : hops) {
        for (const MapStation& station : hop.stations) {
            bool seen = false;
            for (const MapStation& other : stations) {
                seen = seen || (other.name == station.name &&
                                other.site.latitudeDeg == station.site.latitudeDeg &&
                                other.site.longitudeDeg == station.site.longitudeDeg);
            }
            if (!seen) {
                stations.push_back(station);
            }
        }
    }
    return stations;
}

// Text as KML may hold it: well-formed UTF-8 (each invalid piece U+FFFD), without the control
// characters XML 1.0 forbids or names should not hold, markup characters escaped.
std::string xmlEscaped(std::string_view text) {
    std::string escaped;
    for (const char c : utf8Repaired(text)) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
                escaped += c;
            }
        }
    }
    return escaped;
}

// KML and GeoJSON both write longitude first.
std::string kmlCoordinates(const SitePosition& site) {
    return formatNumbers("%.8f", site.longitudeDeg) + "," + formatNumbers("%.8f", site.latitudeDeg);
}

std::string kmlData(std::string_view name, double value) {
    return "<Data name=\"" + std::string(name) + "\"><value>" + formatNumbers("%.2f", value) +
           "</value></Data>";
}

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

} // namespace

MapHop mapHopOf(const HopRecord& record, const HopResults& results,
                const std::array<SitePosition, 2>& sites) {
    MapHop hop;
    hop.stations[0] = {cp1252ToUtf8(record.station1Name.view()), sites[0], record.station1HeightM,
                       record.antenna1HeightM};
    hop.stations[1] = {cp1252ToUtf8(record.station2Name.view()), sites[1], record.station2HeightM,
                       record.antenna2HeightM};
    hop.name = hop.stations[0].name + " - " + hop.stations[1].name;
    hop.lengthKm = record.hopLengthKm;
    hop.objectivePct = record.outageObjectivePct;
    hop.outagePct = record.diversityMode == DiversityMode::No ? results.p : results.pd;
    const OutageJudgement judgement = multipathJudgement(HopState{record, results, {}});
    hop.calculated = judgement.outagePct.has_value();
    hop.marginNeededDb = judgement.marginNeededDb;
    return hop;
}

std::string mapHopVerdict(const MapHop& hop) {
    if (hop.outOfDate) {
        return std::string(routeHopStatusWords(RouteHopStatus::OutOfDate));
    }
    OutageJudgement judgement;
    judgement.objectivePct = hop.objectivePct;
    if (hop.calculated) {
        judgement.outagePct = hop.outagePct;
        judgement.verdict = verdictOf(hop.outagePct, hop.objectivePct);
        judgement.marginNeededDb = hop.marginNeededDb;
    }
    return cp1252ToUtf8(judgementWords(judgement));
}

std::string kmlDocument(std::string_view title, const std::vector<MapHop>& hops) {
    std::string kml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n<name>" +
                      xmlEscaped(title) + "</name>\n";
    for (const MapStation& station : distinctStations(hops)) {
        kml += "<Placemark>\n<name>" + xmlEscaped(station.name) + "</name>\n<description>" +
               xmlEscaped(stationDescription(station)) + "</description>\n<ExtendedData>" +
               kmlData("groundElevationM", station.site.groundElevationM) +
               kmlData("stationHeightM", station.stationHeightM) +
               kmlData("antennaHeightM", station.antennaHeightM) +
               "</ExtendedData>\n<Point><coordinates>" + kmlCoordinates(station.site) +
               "</coordinates></Point>\n</Placemark>\n";
    }
    for (const MapHop& hop : hops) {
        kml += "<Placemark>\n<name>" + xmlEscaped(hop.name) + "</name>\n<description>" +
               xmlEscaped(hopDescription(hop)) + "</description>\n<ExtendedData>" +
               kmlData("lengthKm", hop.lengthKm) + "<Data name=\"verdict\"><value>" +
               mapHopVerdict(hop) + "</value></Data></ExtendedData>\n" +
               "<LineString><tessellate>1</tessellate><coordinates>" +
               kmlCoordinates(hop.stations[0].site) + " " + kmlCoordinates(hop.stations[1].site) +
               "</coordinates></LineString>\n</Placemark>\n";
    }
    kml += "</Document>\n</kml>\n";
    return kml;
}

std::string geoJsonDocument(const std::vector<MapHop>& hops) {
    Json features = Json::array();
    for (const MapStation& station : distinctStations(hops)) {
        features.push_back(
            {{"type", "Feature"},
             {"geometry", {{"type", "Point"}, {"coordinates", position(station.site)}}},
             {"properties",
              {{"name", station.name},
               {"groundElevationM", station.site.groundElevationM},
               {"stationHeightM", station.stationHeightM},
               {"antennaHeightM", station.antennaHeightM},
               {"description", stationDescription(station)}}}});
    }
    for (const MapHop& hop : hops) {
        Json properties = {{"name", hop.name}, {"lengthKm", hop.lengthKm}};
        properties["outagePct"] =
            hop.calculated && !hop.outOfDate ? Json(hop.outagePct) : Json(nullptr);
        properties["objectivePct"] = hop.objectivePct;
        properties["verdict"] = mapHopVerdict(hop);
        properties["description"] = hopDescription(hop);
        features.push_back({{"type", "Feature"},
                            {"geometry", hopGeometry(hop.stations[0].site, hop.stations[1].site)},
                            {"properties", std::move(properties)}});
    }
    return Json{{"type", "FeatureCollection"}, {"features", std::move(features)}}.dump(
               1, '\t', false, Json::error_handler_t::replace) +
           "\n";
}

} // namespace korvel
