// KML 2.2: one style per verdict, the sites as points, the hops as lines styled by their verdict.

#include "engine/number_text.h"
#include "geo/map_export.h"
#include "geo/map_export_parts.h"
#include "platform/text_encoding.h"

namespace korvel {

namespace {

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

std::string kmlText(std::string_view name, std::string_view value) {
    return "<Data name=\"" + std::string(name) + "\"><value>" + xmlEscaped(value) +
           "</value></Data>";
}

// KML colours are aabbggrr.
std::string kmlColour(std::string_view rgb) {
    return "ff" + std::string(rgb.substr(5, 2)) + std::string(rgb.substr(3, 2)) +
           std::string(rgb.substr(1, 2));
}

std::string verdictStyles() {
    std::string styles;
    for (const std::string_view key : kVerdictKeys) {
        styles += "<Style id=\"" + std::string(key) + "\"><LineStyle><color>" +
                  kmlColour(verdictColour(key)) + "</color><width>3</width></LineStyle></Style>\n";
    }
    return styles;
}

std::string endData(const MapHop& hop, const std::array<PathEndView, 2>& views, std::size_t end) {
    const std::string prefix = end == 0 ? "station1" : "station2";
    const MapStation& station = hop.stations[end];
    return kmlData(prefix + "StationHeightM", station.stationHeightM) +
           kmlData(prefix + "AntennaHeightM", station.antennaHeightM) +
           kmlData(prefix + "AzimuthDeg", views[end].azimuthDeg) +
           kmlData(prefix + "ElevationDeg", views[end].elevationDeg) +
           kmlData(prefix + "DistanceKm", views[end].distanceKm);
}

std::string hopPlacemark(const MapHop& hop) {
    const auto views = hopEndViews(hop);
    const std::string key(hopVerdictKey(hop));
    // KML's order: name, description, styleUrl, ExtendedData, geometry.
    return "<Placemark>\n<name>" + xmlEscaped(hop.name) + "</name>\n<description>" +
           xmlEscaped(hopDescription(hop)) + "</description>\n<styleUrl>#" + key +
           "</styleUrl>\n<ExtendedData>" + kmlData("lengthKm", hop.lengthKm) +
           kmlText("verdict", hopVerdict(hop)) + kmlText("verdictKey", key) +
           endData(hop, views, 0) + endData(hop, views, 1) + "</ExtendedData>\n" +
           "<LineString><tessellate>1</tessellate><coordinates>" +
           kmlCoordinates(hop.stations[0].site) + " " + kmlCoordinates(hop.stations[1].site) +
           "</coordinates></LineString>\n</Placemark>\n";
}

} // namespace

std::string kmlDocument(std::string_view title, const std::vector<MapHop>& hops,
                        const std::vector<LeftOutHop>& leftOut) {
    std::string kml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n<name>" +
                      xmlEscaped(title) + "</name>\n";
    if (!leftOut.empty()) {
        kml += "<description>" + xmlEscaped(leftOutDescription(leftOut)) + "</description>\n";
    }
    kml += verdictStyles();
    for (const MapSite& site : mapSites(hops)) {
        kml += "<Placemark>\n<name>" + xmlEscaped(site.name) + "</name>\n<description>" +
               xmlEscaped(siteDescription(site)) + "</description>\n<ExtendedData>" +
               kmlData("groundElevationM", site.site.groundElevationM) +
               "</ExtendedData>\n<Point><coordinates>" + kmlCoordinates(site.site) +
               "</coordinates></Point>\n</Placemark>\n";
    }
    for (const MapHop& hop : hops) {
        kml += hopPlacemark(hop);
    }
    kml += "</Document>\n</kml>\n";
    return kml;
}

} // namespace korvel
