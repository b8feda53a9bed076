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

namespace korvel::cli {
namespace {

struct ExportJob {
    std::string format; // kml or geojson
    std::string file;
    std::string output;
    bool force = false;
};

// The hop of `hopFile` on the map; nothing after saying why not.
std::optional<MapHop> mapHopFromFile(const std::string& hopFile, const std::string& shownAs) {
    const auto hop = readStoredHop(hopFile);
    if (!hop) {
        return std::nullopt;
    }
    const auto sites = readHopSites(hopFile);
    if (!sites) {
        return std::nullopt;
    }
    if (!sites->stations[0] || !sites->stations[1]) {
        reportError(shownAs + ": the hop has no sites (korvel-cli sites " + shownAs +
                    " --set 1 LAT LON)");
        return std::nullopt;
    }
    return mapHopOf(hop->record, hop->results, {*sites->stations[0], *sites->stations[1]});
}

int runExport(const ExportJob& job) {
    const auto bytes = readInputBytes(job.file, kRouteFileSize);
    if (!bytes) {
        return kExitUnusable;
    }
    std::vector<MapHop> hops;
    std::string title = std::filesystem::path(job.file).filename().string();
    StoredHop hop;
    RouteRecord route;
    RouteFileVersion version{};
    if (parseHopImage(*bytes, hop) == HopParseError::None) {
        auto mapHop = mapHopFromFile(job.file, job.file);
        if (!mapHop) {
            return kExitUnusable;
        }
        hops.push_back(std::move(*mapHop));
    } else if (parseRouteImage(*bytes, route, version) == RouteParseError::None) {
        const auto folder = std::filesystem::path(job.file).parent_path();
        if (!route.info.view().empty()) {
            title = cp1252ToUtf8(route.info.view());
        }
        // A hop without sites is left off the map; the others still tell the route.
        for (int i = 0; i < route.hopCount; ++i) {
            const std::string name =
                cp1252ToUtf8(route.hopFile[static_cast<std::size_t>(i)].view());
            if (auto mapHop = mapHopFromFile((folder / name).string(), name)) {
                hops.push_back(std::move(*mapHop));
            }
        }
        if (hops.empty()) {
            reportError(job.file + ": no hop of the route has sites");
            return kExitUnusable;
        }
    } else {
        reportError(job.file + ": neither a hop file nor a route file");
        return kExitUnusable;
    }
    const std::string document =
        job.format == "kml" ? kmlDocument(title, hops) : geoJsonDocument(hops);
    const std::span bytesOut(reinterpret_cast<const std::uint8_t*>(document.data()),
                             document.size());
    return writeOutputFile(job.output, bytesOut, job.force) ? kExitOk : kExitUnusable;
}

} // namespace

void addExportCommand(CLI::App& app, CliContext&, Action& action) {
    auto job = std::make_shared<ExportJob>();
    CLI::App* command = app.add_subcommand(
        "export", "Write a hop or a route with its sites as KML 2.2 or GeoJSON (RFC 7946)");
    command->add_option("FORMAT", job->format, "kml or geojson")
        ->required()
        ->check(CLI::IsMember({"kml", "geojson"}));
    command->add_option("FILE", job->file, "Hop file or route file")->required();
    command->add_option("--output", job->output, "File to write")->required();
    command->add_flag("--force", job->force, "Replace the output file when it exists");
    command->callback([&action, job] { action = [job] { return runExport(*job); }; });
}

} // namespace korvel::cli
