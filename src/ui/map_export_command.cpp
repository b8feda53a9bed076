#include "ui/map_export_command.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/stored_results.h"
#include "geo/map_export.h"
#include "geo/sites_file.h"
#include "hopfile/hop_file.h"
#include "platform/file_replace.h"
#include "platform/text_encoding.h"
#include "route/route_folder.h"
#include "route/route_hop_status.h"
#include "ui/results_shown.h"
#include "ui/session.h"

namespace korvel {

namespace {

bool hasBothSites(const HopSites& sites) {
    return sites.stations[0] && sites.stations[1];
}

MapHop mapHopWithSites(const HopRecord& record, const HopResults& results, const HopSites& sites,
                       bool resultsCurrent) {
    return mapHopOf(record, results, {*sites.stations[0], *sites.stations[1]},
                    resultsCurrent ? MapResults::Current : MapResults::OutOfDate);
}

// Asks where, then writes; false when the planner cancelled or the write failed (said).
bool writeMap(Session& session, MapFormat format, std::string_view title,
              const std::vector<MapHop>& hops, const std::vector<LeftOutHop>& leftOut = {}) {
    const auto chosen = session.ports.files.choose(
        format == MapFormat::Kml ? FileDialogUse::ExportKml : FileDialogUse::ExportGeoJson);
    if (!chosen) {
        return false;
    }
    const std::string document = format == MapFormat::Kml ? kmlDocument(title, hops, leftOut)
                                                          : geoJsonDocument(hops, leftOut);
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(document.data()), document.size());
    if (replaceFileContents(chosen->fullName, bytes) != FileWriteResult::Written) {
        session.ports.messages.show(utf8ToCp1252(chosen->bareName.string()) + ": cannot write",
                                    kAppCaption, MessageIcon::Warning);
        return false;
    }
    return true;
}

// Hop `index` of the route as its file holds it, with the sites beside it; nothing when either
// is missing or unusable, and then `why` says so.
std::optional<MapHop> storedRouteHop(const Session& session, std::size_t index, std::string& why) {
    const RouteState& route = session.route;
    const auto file = fileInRouteFolder(route, route.record.hopFile[index].view());
    if (!file) {
        why = "the hop file cannot be named";
        return std::nullopt;
    }
    const FileBytes bytes = readHopBytes(*file);
    StoredHop stored;
    if (!bytes || parseHopImage(bytes.bytes, stored) != HopParseError::None) {
        why = "the hop file cannot be read";
        return std::nullopt;
    }
    const SitesRead read = loadSites(*file);
    if (read.status == SitesReadStatus::Refused || !hasBothSites(read.sites)) {
        why = read.status == SitesReadStatus::Refused ? "its sites file cannot be read"
                                                      : "the hop has no sites";
        return std::nullopt;
    }
    return mapHopWithSites(stored.record, stored.results, read.sites,
                           hopFileResultsState(*file, session.library) ==
                               StoredResultsState::Current);
}

} // namespace

void exportHopMap(Session& session, MapFormat format) {
    if (!hasBothSites(session.sites)) {
        session.ports.messages.show(
            "This hop has no sites to put on a map. Give them with \"korvel-cli sites "
            "HOPFILE --set 1 LAT LON\" (and --set 2), then open the hop again.",
            kAppCaption, MessageIcon::Information);
        return;
    }
    bringResultsUpToDate(session.hop, session.library, session.resultsDisplay());
    const HopState& hop = session.hop;
    const std::vector<MapHop> hops{
        mapHopWithSites(hop.record, hop.results, session.sites, storedResultsCurrent(hop))};
    writeMap(session, format, hops.front().name.empty() ? "Korvel hop" : hops.front().name, hops);
}

void exportRouteMap(Session& session, MapFormat format) {
    if (session.route.routeHopActive) {
        bringResultsUpToDate(session.hop, session.library, session.resultsDisplay());
    }
    const RouteState& route = session.route;
    const int count = isValidHopCount(route.record.hopCount) ? route.record.hopCount : 0;
    std::vector<MapHop> hops;
    std::vector<LeftOutHop> leftOut;
    std::string leftOff;
    for (int i = 0; i < count; ++i) {
        const auto index = static_cast<std::size_t>(i);
        std::optional<MapHop> hop;
        std::string why = "the hop has no sites";
        if (route.routeHopActive && i == route.currentHop) {
            if (hasBothSites(session.sites)) {
                hop = mapHopWithSites(session.hop.record, session.hop.results, session.sites,
                                      storedResultsCurrent(session.hop));
            }
        } else {
            hop = storedRouteHop(session, index, why);
        }
        if (hop) {
            hops.push_back(std::move(*hop));
        } else {
            leftOff += (leftOff.empty() ? "" : ", ") + route.record.hopFile[index].str();
            leftOut.push_back({cp1252ToUtf8(route.record.hopFile[index].view()), why});
        }
    }
    if (hops.empty()) {
        session.ports.messages.show(
            "No hop of this route has sites to put on a map. Give them with \"korvel-cli sites "
            "HOPFILE --set 1 LAT LON\" (and --set 2).",
            kAppCaption, MessageIcon::Information);
        return;
    }
    std::string title = route.record.info.str();
    if (title.empty()) {
        title = route.record.fileName.empty() ? "Korvel route" : route.record.fileName.str();
    }
    if (writeMap(session, format, cp1252ToUtf8(title), hops, leftOut) && !leftOff.empty()) {
        session.ports.messages.show("Left off the map, without sites: " + leftOff, kAppCaption,
                                    MessageIcon::Information);
    }
}

} // namespace korvel
