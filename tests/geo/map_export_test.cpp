// KML and GeoJSON that every viewer parses, whatever the names hold.

#include <expat.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "geo/map_export.h"

namespace korvel {
namespace {

MapHop hopBetween(std::string name1, SitePosition site1, std::string name2, SitePosition site2) {
    MapHop hop;
    hop.stations[0] = {std::move(name1), site1, 10.0, 20.0};
    hop.stations[1] = {std::move(name2), site2, 30.0, 40.0};
    hop.name = hop.stations[0].name + " - " + hop.stations[1].name;
    return hop;
}

// Whether expat takes the whole document as well-formed XML.
bool wellFormed(const std::string& xml, std::string& error) {
    XML_Parser parser = XML_ParserCreate(nullptr);
    const bool parsed =
        XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), 1) == XML_STATUS_OK;
    if (!parsed) {
        error = XML_ErrorString(XML_GetErrorCode(parser));
    }
    XML_ParserFree(parser);
    return parsed;
}

// Mended: a control character in a station name, or a file name that is not UTF-8, made a KML
// file no viewer opened.
TEST(MapExport, KmlIsWellFormedWhateverTheNamesHold) {
    const MapHop hop = hopBetween("Hill\x01top <&> \"A\"\x1f", {60.6, 25.1, 5.0}, "Bay\x7f town",
                                  {60.3, 25.3, 7.0});
    const std::string kml = kmlDocument("ROUTE\xff\xc3(.ROU", {hop});
    std::string error;
    EXPECT_TRUE(wellFormed(kml, error)) << error << "\n" << kml;
    EXPECT_NE(kml.find("<name>Hilltop &lt;&amp;&gt; &quot;A&quot;</name>"), std::string::npos);
    EXPECT_NE(kml.find("<name>Bay town</name>"), std::string::npos);
    EXPECT_NE(kml.find("<name>ROUTE\xEF\xBF\xBD\xEF\xBF\xBD(.ROU</name>"), std::string::npos);
}

// Mended: a hop across ±180 was one line the long way round the earth.
TEST(MapExport, GeoJsonCutsAHopAtTheAntimeridian) {
    const auto geometryOf = [](SitePosition from, SitePosition to) {
        const auto document =
            nlohmann::json::parse(geoJsonDocument({hopBetween("A", from, "B", to)}));
        return document["features"][2]["geometry"];
    };
    const auto across = geometryOf({-16.0, 179.5, 0.0}, {-17.0, -179.5, 0.0});
    EXPECT_EQ(across["type"], "MultiLineString");
    EXPECT_EQ(across["coordinates"], nlohmann::json::parse("[[[179.5, -16.0], [180.0, -16.5]],"
                                                           " [[-180.0, -16.5], [-179.5, -17.0]]]"));
    const auto westward = geometryOf({10.0, -179.0, 0.0}, {12.0, 179.0, 0.0});
    EXPECT_EQ(westward["coordinates"][0][1], nlohmann::json::parse("[-180.0, 11.0]"));
    EXPECT_EQ(geometryOf({0.0, 170.0, 0.0}, {0.0, -10.0, 0.0})["type"], "LineString");
}

// Two hops from one site: the site once, with each hop's own antenna there.
TEST(MapExport, ASharedSiteKeepsTheAntennaOfEachHop) {
    MapHop north = hopBetween("Hilltop", {60.6, 25.1, 5.0}, "Harbour", {60.3, 25.3, 7.0});
    MapHop east = hopBetween("Hilltop", {60.6, 25.1, 5.0}, "Mill", {60.6, 25.6, 9.0});
    east.stations[0].antennaHeightM = 35.0;
    const auto document = nlohmann::json::parse(geoJsonDocument({north, east}));
    const auto& features = document["features"];
    ASSERT_EQ(features.size(), 5u); // three sites, two hops
    EXPECT_EQ(features[0]["properties"]["antennas"], nlohmann::json::parse(R"([
                  {"hop": "Hilltop - Harbour", "towards": "Harbour", "stationHeightM": 10.0,
                   "antennaHeightM": 20.0},
                  {"hop": "Hilltop - Mill", "towards": "Mill", "stationHeightM": 10.0,
                   "antennaHeightM": 35.0}])"));
    EXPECT_EQ(features[4]["properties"]["station1"]["antennaHeightM"], 35.0);
    EXPECT_EQ(features[4]["properties"]["verdict"], "notCalculated");
    const std::string kml =
        kmlDocument("Two", {north, east}, {{"LINK9.HOP", "the hop has no sites"}});
    EXPECT_NE(kml.find("Antenna 35.0 m above the station (45.0 m above sea level) towards Mill"),
              std::string::npos)
        << kml;
    EXPECT_NE(kml.find("<description>Left out: LINK9.HOP (the hop has no sites)</description>"),
              std::string::npos);
}

} // namespace
} // namespace korvel
