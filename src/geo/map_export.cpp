#include "geo/map_export.h"

#include "engine/number_text.h"
#include "engine/verdict_words.h"
#include "geo/map_export_parts.h"
#include "platform/text_encoding.h"

namespace korvel {

namespace {

std::string metres(double value) {
    return formatNumbers("%.1f m", value);
}

std::string antennaWords(const MapStation& station) {
    return "antenna " + metres(station.antennaHeightM) + " above the station (" +
           metres(station.stationHeightM + station.antennaHeightM) + " above sea level)";
}

} // namespace

MapHop mapHopOf(const HopRecord& record, const HopResults& results,
                const std::array<SitePosition, 2>& sites, MapResults state) {
    MapHop hop;
    hop.stations[0] = {cp1252ToUtf8(record.station1Name.view()), sites[0], record.station1HeightM,
                       record.antenna1HeightM};
    hop.stations[1] = {cp1252ToUtf8(record.station2Name.view()), sites[1], record.station2HeightM,
                       record.antenna2HeightM};
    hop.name = hop.stations[0].name + " - " + hop.stations[1].name;
    hop.lengthKm = record.hopLengthKm;
    hop.objectivePct = record.outageObjectivePct;
    const OutageJudgement judgement = multipathJudgement(HopState{record, results, {}});
    hop.resultsOutOfDate = judgement.outagePct.has_value() && state == MapResults::OutOfDate;
    hop.calculated = judgement.outagePct.has_value() && !hop.resultsOutOfDate;
    if (hop.calculated) {
        hop.outagePct = *judgement.outagePct;
        hop.marginNeededDb = judgement.marginNeededDb;
    }
    return hop;
}

std::string hopVerdict(const MapHop& hop) {
    if (hop.resultsOutOfDate) {
        return "results out of date";
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

std::string_view hopVerdictKey(const MapHop& hop) {
    if (hop.resultsOutOfDate) {
        return "outOfDate";
    }
    if (!hop.calculated) {
        return "notCalculated";
    }
    const std::string_view word = verdictWord(verdictOf(hop.outagePct, hop.objectivePct));
    return word.empty() ? "notJudged" : word;
}

std::vector<MapSite> mapSites(const std::vector<MapHop>& hops) {
    std::vector<MapSite> sites;
    for (const MapHop& hop : hops) {
        for (std::size_t end = 0; end < 2; ++end) {
            const MapStation& station = hop.stations[end];
            auto known = std::ranges::find_if(sites, [&](const MapSite& site) {
                return site.name == station.name &&
                       site.site.latitudeDeg == station.site.latitudeDeg &&
                       site.site.longitudeDeg == station.site.longitudeDeg;
            });
            if (known == sites.end()) {
                sites.push_back({station.name, station.site, {}});
                known = sites.end() - 1;
            }
            known->antennas.push_back({&hop, end});
        }
    }
    return sites;
}

std::array<PathEndView, 2> hopEndViews(const MapHop& hop) {
    const auto& [one, two] = hop.stations;
    return pathEndViews({one.site, two.site}, {one.stationHeightM + one.antennaHeightM,
                                               two.stationHeightM + two.antennaHeightM});
}

std::string siteDescription(const MapSite& site) {
    std::string text = "Ground " + metres(site.site.groundElevationM) + ".";
    for (const SiteAntenna& antenna : site.antennas) {
        const MapHop& hop = *antenna.hop;
        std::string words = antennaWords(hop.stations[antenna.end]);
        words[0] = 'A';
        text +=
            " " + words + " towards " + hop.stations[1 - antenna.end].name + " (" + hop.name + ").";
    }
    return text;
}

std::string hopDescription(const MapHop& hop) {
    std::string text = "Length " + formatNumbers("%.1f", hop.lengthKm) + " km. ";
    if (hop.calculated) {
        text += "Outage " + formatNumbers("%.5g", hop.outagePct) + " % of the worst month; ";
    }
    text += "objective " + formatNumbers("%.5g", hop.objectivePct) + " %; " + hopVerdict(hop) + ".";
    const auto views = hopEndViews(hop);
    for (std::size_t end = 0; end < 2; ++end) {
        const PathEndView& view = views[end];
        text += " At " + hop.stations[end].name + ": " + antennaWords(hop.stations[end]) +
                formatNumbers(", azimuth %.1f\u00B0, elevation angle %.2f\u00B0, %.1f km to ",
                              view.azimuthDeg, view.elevationDeg, view.distanceKm) +
                hop.stations[1 - end].name + ".";
    }
    return text;
}

std::string leftOutDescription(const std::vector<LeftOutHop>& leftOut) {
    std::string text;
    for (const LeftOutHop& hop : leftOut) {
        text += (text.empty() ? "Left out: " : "; ") + hop.file + " (" + hop.reason + ")";
    }
    return text;
}

std::string_view verdictColour(std::string_view verdictKey) {
    if (verdictKey == "meets") {
        return "#1a9641";
    }
    return verdictKey == "misses" ? "#d7191c" : "#808080";
}

} // namespace korvel
