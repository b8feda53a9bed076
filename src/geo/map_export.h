#pragma once
// Hops and routes for the common earth viewers and GIS tools: KML 2.2 and GeoJSON (RFC 7946,
// longitude first). Every site is a placemark with its name, ground elevation and the antenna of
// each hop there; every hop is a line styled by its verdict whose description gives its outage,
// objective and verdict, and at each end the station and antenna heights, the azimuth, the
// elevation angle and the distance. A route's map lists the hops it leaves out, and why.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/hop_record.h"
#include "geo/hop_sites.h"

namespace korvel {

struct MapStation {
    std::string name; // UTF-8
    SitePosition site;
    double stationHeightM = 0.0; // reference height above sea level
    double antennaHeightM = 0.0; // above the reference height
};

struct MapHop {
    std::string name; // UTF-8: "Hilltop - Harbour"
    std::array<MapStation, 2> stations;
    double lengthKm = 0.0;
    double outagePct = 0.0; // without diversity, or with it when the hop has diversity
    double objectivePct = 0.0;
    bool calculated = false;              // whether the hop holds results that belong to its data
    bool resultsOutOfDate = false;        // it holds results, of other data: no outage is shown
    std::optional<double> marginNeededDb; // when it misses: more flat fade margin needed, dB
};

// A hop of a route the map leaves out: "LINK9.HOP", "the hop has no sites".
struct LeftOutHop {
    std::string file;   // UTF-8
    std::string reason; // UTF-8
};

// Whether the results a hop holds belong to its data (engine/stored_results, or the route's
// check of a hop file): only then do they reach the map.
enum class MapResults { Current, OutOfDate };

// The map's view of a hop whose two sites are known.
MapHop mapHopOf(const HopRecord& record, const HopResults& results,
                const std::array<SitePosition, 2>& sites, MapResults state);

// The multipath judgement in the words of every page (UTF-8): "meets, 0.0010 % below the
// objective (×0.75)", "misses by ...", "not calculated" or "results out of date".
std::string hopVerdict(const MapHop& hop);

// The verdict as a style key: "meets", "misses", "notJudged", "notCalculated", "outOfDate".
std::string_view hopVerdictKey(const MapHop& hop);

// One document: the sites (each once, when hops share a station) and the hops. `title` in UTF-8.
std::string kmlDocument(std::string_view title, const std::vector<MapHop>& hops,
                        const std::vector<LeftOutHop>& leftOut = {});
std::string geoJsonDocument(const std::vector<MapHop>& hops,
                            const std::vector<LeftOutHop>& leftOut = {});

} // namespace korvel
