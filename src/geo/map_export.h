#pragma once
// Hops and routes for the common earth viewers and GIS tools: KML 2.2 and GeoJSON (RFC 7946,
// longitude first). Every site is a placemark with its name, ground elevation, station height and
// antenna height; every hop is a line whose description gives its outage, objective and verdict.

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
    bool calculated = false; // whether the hop file holds results
    bool outOfDate = false;  // they are not what its data gives now
    std::optional<double> marginNeededDb; // when it misses: more flat fade margin needed, dB
};

// The map's view of a hop whose two sites are known.
MapHop mapHopOf(const HopRecord& record, const HopResults& results,
                const std::array<SitePosition, 2>& sites);

// The multipath judgement in the words of every page (UTF-8): "meets, 0.0010 % below the
// objective (×0.75)", "misses by ...", "not calculated" or "results out of date".
std::string mapHopVerdict(const MapHop& hop);

// One document: the sites (each once, when hops share a station) and the hops. `title` in UTF-8.
std::string kmlDocument(std::string_view title, const std::vector<MapHop>& hops);
std::string geoJsonDocument(const std::vector<MapHop>& hops);

} // namespace korvel
