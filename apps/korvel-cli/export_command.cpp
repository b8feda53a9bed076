// korvel-cli export kml|geojson HOPFILE|ROUTEFILE --output FILE [--force]

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli_context.h"
#include "cli_files.h"
#include "cli_sites.h"
#include "commands.h"
#include "exit_codes.h"
#include "geo/map_export.h"
#include "hopfile/hop_file.h"
#include "platform/text_encoding.h"
#include "route/route_file.h"
#include "route/route_hop_status.h"

namespace korvel::cli {
namespace {

struct ExportJob {
    std::string format; // kml or geojson
    std::string file;
    std::string output;
    bool force = false;
};

enum class MapHopStatus { Mapped, NoSites, Unreadable };

struct MapHopRead {
    MapHopStatus status = MapHopStatus::Unreadable;
    std::optional<MapHop> hop; // when Mapped
};

// The hop of `hopFile` on the map, its outage only when its results belong to its data; without
// it after saying why not (the hop or its sites file could not be read, or it has no sites).
MapHopRead mapHopFromFile(CliContext& context, const std::string& hopFile,
                          const std::string& shownAs) {
    const auto hop = readStoredHop(hopFile);
    if (!hop) {
        return {};
    }
    const auto sites = readHopSites(hopFile);
    if (!sites) {
        return {};
    }
    if (!sites->stations[0] || !sites->stations[1]) {
        reportError(shownAs + ": the hop has no sites (korvel-cli sites " + shownAs +
                    " --set 1 LAT LON)");
        return {MapHopStatus::NoSites, std::nullopt};
    }
    const bool current =
        hopFileResultsState(hopFile, context.library) == StoredResultsState::Current;
    return {MapHopStatus::Mapped,
            mapHopOf(hop->record, hop->results, {*sites->stations[0], *sites->stations[1]},
                     current ? MapResults::Current : MapResults::OutOfDate)};
}

// The route's hops that have sites, and those left out; false when a hop or sites file could
// not be read (each said), and then nothing is written.
bool routeMapHops(CliContext& context, const std::string& routeFile, const RouteRecord& route,
                  std::vector<MapHop>& hops, std::vector<LeftOutHop>& leftOut) {
    const auto folder = std::filesystem::path(routeFile).parent_path();
    bool allRead = true;
    // A hop without sites is left off the map; the others still tell the route.
    for (int i = 0; i < route.hopCount; ++i) {
        const std::string name = cp1252ToUtf8(route.hopFile[static_cast<std::size_t>(i)].view());
        MapHopRead read = mapHopFromFile(context, (folder / name).string(), name);
        allRead = allRead && read.status != MapHopStatus::Unreadable;
        if (read.hop) {
            hops.push_back(std::move(*read.hop));
        } else if (read.status == MapHopStatus::NoSites) {
            leftOut.push_back({name, "the hop has no sites"});
        }
    }
    if (!allRead) {
        reportError(routeFile + ": a hop or its sites could not be read; nothing written");
    } else if (hops.empty()) {
        reportError(routeFile + ": no hop of the route has sites");
    }
    return allRead && !hops.empty();
}

int runExport(CliContext& context, const ExportJob& job) {
    // The library tells whether a hop's stored results still belong to its data.
    if (!context.loadLibrary()) {
        return kExitUnusable;
    }
    const auto bytes = readInputBytes(job.file, kRouteFileSize);
    if (!bytes) {
        return kExitUnusable;
    }
    std::vector<MapHop> hops;
    std::vector<LeftOutHop> leftOut;
    std::string title = std::filesystem::path(job.file).filename().string();
    StoredHop hop;
    RouteRecord route;
    RouteFileVersion version{};
    if (parseHopImage(*bytes, hop) == HopParseError::None) {
        MapHopRead read = mapHopFromFile(context, job.file, job.file);
        if (!read.hop) {
            return kExitUnusable;
        }
        hops.push_back(std::move(*read.hop));
    } else if (parseRouteImage(*bytes, route, version) == RouteParseError::None) {
        if (!route.info.view().empty()) {
            title = cp1252ToUtf8(route.info.view());
        }
        if (!routeMapHops(context, job.file, route, hops, leftOut)) {
            return kExitUnusable;
        }
    } else {
        reportError(job.file + ": neither a hop file nor a route file");
        return kExitUnusable;
    }
    const std::string document =
        job.format == "kml" ? kmlDocument(title, hops, leftOut) : geoJsonDocument(hops, leftOut);
    const std::span bytesOut(reinterpret_cast<const std::uint8_t*>(document.data()),
                             document.size());
    return writeOutputFile(job.output, bytesOut, job.force) ? kExitOk : kExitUnusable;
}

} // namespace

void addExportCommand(CLI::App& app, CliContext& context, Action& action) {
    auto job = std::make_shared<ExportJob>();
    CLI::App* command = app.add_subcommand(
        "export", "Write a hop or a route with its sites as KML 2.2 or GeoJSON (RFC 7946)");
    command->add_option("FORMAT", job->format, "kml or geojson")
        ->required()
        ->check(CLI::IsMember({"kml", "geojson"}));
    command->add_option("FILE", job->file, "Hop file or route file")->required();
    command->add_option("--output", job->output, "File to write")->required();
    command->add_flag("--force", job->force, "Replace the output file when it exists");
    command->callback([&action, &context, job] {
        action = [&context, job] { return runExport(context, *job); };
    });
}

} // namespace korvel::cli
