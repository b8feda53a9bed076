// korvel-cli climate [--json] | climate import PATH... [--as KIND] | climate remove KIND |
// climate at LAT LON [--json]

#include <atomic>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli_context.h"
#include "commands.h"
#include "exit_codes.h"
#include "itu/climate/climate_maps.h"
#include "json_writer.h"
#include "report/date_stamp.h"

namespace korvel::cli {
namespace {

struct ClimateJob {
    std::vector<std::string> paths;
    std::string as;
    std::string kind;
    std::string latitude;
    std::string longitude;
    bool json = false;
};

// Ctrl-C during an import: the import stops at its next question and the process then ends by
// the signal as it would have, the cache as it was; a grid being stored is stored whole first.
std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void noteInterrupt(int /*signal*/) {
    interrupted.store(true);
}

class InterruptNoted {
  public:
    InterruptNoted() : before_(std::signal(SIGINT, noteInterrupt)) {
        if (before_ == SIG_IGN) {
            std::signal(SIGINT, SIG_IGN); // started to ignore it (in the background): still so
        }
    }
    ~InterruptNoted() { std::signal(SIGINT, before_); }
    InterruptNoted(const InterruptNoted&) = delete;
    InterruptNoted& operator=(const InterruptNoted&) = delete;

  private:
    void (*before_)(int);
};

std::string isoDate(const CalendarDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

int runImport(const ClimateJob& job) {
    ImportRequest request{
        {job.paths.begin(), job.paths.end()}, std::nullopt, isoDate(reportToday()), kUnpackLimit};
    if (!job.as.empty()) {
        request.as = climateKindNamed(job.as);
        if (!request.as) {
            reportError("--as " + job.as +
                        ": not a grid kind (dN1|sa|logK|dN75|R001|MT01..MT12|T01..T12)");
            return kExitUnusable;
        }
    }
    request.stopAsked = [] { return interrupted.load(); };
    const InterruptNoted noted;
    const ImportResult result = importClimateGrids(request);
    if (result.stopped) {
        reportError("interrupted: nothing imported; the installed grids are as they were");
        std::signal(SIGINT, SIG_DFL);
        std::raise(SIGINT);
    }
    for (const std::string& error : result.errors) {
        reportError(error);
    }
    if (!result.errors.empty()) {
        reportError("nothing imported; the installed grids are as they were");
        return kExitUnusable;
    }
    const ClimateCache cache(climateCacheFolder());
    for (const ImportedGrid& grid : result.grids) {
        if (!cache.store(grid)) {
            reportError(cache.fileOf(grid.kind).string() + ": cannot write");
            return kExitUnusable;
        }
        std::cout << climateKindFacts(grid.kind).name << ": " << grid.provenance.sourceFile << " ("
                  << grid.geometry.rows << " x " << grid.geometry.columns << ")\n";
    }
    return kExitOk;
}

int runList(const ClimateJob& job) {
    std::vector<std::string> errors;
    const ClimateCache cache(climateCacheFolder());
    const ClimateMaps maps = ClimateMaps::open(cache, errors);
    JsonWriter json;
    json.beginObject().key("folder").utf8(cache.folder().string()).key("grids").beginArray();
    for (std::size_t i = 0; i < kClimateKindCount; ++i) {
        const CachedGrid* grid = maps.grid(climateKindAt(i));
        if (grid == nullptr) {
            continue;
        }
        const auto& p = grid->provenance();
        const auto& g = grid->view().geometry();
        const ClimateKindFacts facts = climateKindFacts(grid->kind());
        if (!job.json) {
            std::cout << facts.name << ": " << p.recommendation << ", " << p.sourceFile
                      << ", imported " << p.importDate << ", " << g.rows << " x " << g.columns
                      << ", SHA-256 " << p.sha256 << "\n";
        }
        json.beginObject().key("kind").utf8(facts.name).key("unit").utf8(facts.unit);
        json.key("recommendation").utf8(p.recommendation).key("source").utf8(p.sourceFile);
        json.key("sha256").utf8(p.sha256).key("imported").utf8(p.importDate);
        json.key("rows").integer(g.rows).key("columns").integer(g.columns).endObject();
    }
    json.endArray().endObject();
    if (job.json) {
        std::cout << json.str() << "\n";
    }
    for (const std::string& error : errors) {
        reportError(error);
    }
    return errors.empty() ? kExitOk : kExitUnusable;
}

int runRemove(const ClimateJob& job) {
    const auto kind = climateKindNamed(job.kind);
    if (!kind) {
        reportError(job.kind + ": not a grid kind (dN1|sa|logK|dN75|R001|MT01..MT12|T01..T12)");
        return kExitUnusable;
    }
    if (!ClimateCache(climateCacheFolder()).remove(*kind)) {
        reportError(job.kind + ": not installed");
        return kExitUnusable;
    }
    return kExitOk;
}

std::optional<double> degrees(const std::string& text, double limit, const char* what) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !(value >= -limit && value <= limit)) {
        reportError(text + ": the " + what + " is a number of decimal degrees from " +
                    std::to_string(static_cast<int>(-limit)) + " to " +
                    std::to_string(static_cast<int>(limit)));
        return std::nullopt;
    }
    return value;
}

int runAt(const ClimateJob& job) {
    const auto latitude = degrees(job.latitude, 90.0, "latitude");
    const auto longitude = latitude ? degrees(job.longitude, 180.0, "longitude") : std::nullopt;
    if (!longitude) {
        return kExitUnusable;
    }
    std::vector<std::string> errors;
    const ClimateMaps maps = ClimateMaps::open(ClimateCache(climateCacheFolder()), errors);
    JsonWriter json;
    json.beginObject();
    for (std::size_t q = 0; q < kClimateQuantityCount; ++q) {
        const auto kind = climateKindOf(static_cast<ClimateQuantity>(q));
        const GeoPoint point{*latitude, *longitude};
        const auto value = kind == ClimateKind::R001 ? maps.rainRate001At(point)
                           : kind                    ? maps.at(*kind, point)
                                                     : std::nullopt;
        if (!value) {
            continue;
        }
        const ClimateKindFacts facts = climateKindFacts(*kind);
        json.key(facts.name).beginObject().key("value").number(value->value);
        json.key("unit").utf8(value->unit).key("source").utf8(value->source).endObject();
        if (!job.json) {
            std::cout << facts.name << " " << value->value << (value->unit.empty() ? "" : " ")
                      << value->unit << " (" << value->source << ")\n";
        }
    }
    json.endObject();
    if (job.json) {
        std::cout << json.str() << "\n";
    }
    for (const std::string& error : errors) {
        reportError(error);
    }
    return errors.empty() ? kExitOk : kExitUnusable;
}

} // namespace

void addClimateCommand(CLI::App& app, CliContext&, Action& action) {
    auto job = std::make_shared<ClimateJob>();
    CLI::App* command = app.add_subcommand(
        "climate", "List, import or remove the ITU climate grids, or read them at a point");
    command->require_subcommand(0, 1);
    command->add_flag("--json", job->json, "JSON output");

    CLI::App* import = command->add_subcommand(
        "import", "Import grids from ITU zip files, folders or an itur package's data folder");
    import->add_option("PATH", job->paths, "Zip file, grid file or folder")->required();
    import->add_option("--as", job->as,
                       "The kind of a grid file named otherwise: "
                       "dN1|sa|logK|dN75|R001|MT01..MT12|T01..T12");
    import->callback([&action, job] { action = [job] { return runImport(*job);
};
} // namespace korvel::cli
);

CLI::App* remove = command->add_subcommand("remove", "Remove an installed grid");
remove->add_option("KIND", job->kind, "dN1|sa|logK|dN75|R001|MT01..MT12|T01..T12")->required();
remove->callback([&action, job] { action = [job] { return runRemove(*job); }; });

CLI::App* at = command->add_subcommand("at", "Every climate value at a point");
at->add_option("LAT", job->latitude, "Latitude, decimal degrees (south negative)")->required();
at->add_option("LON", job->longitude, "Longitude, decimal degrees (west negative)")->required();
at->add_flag("--json", job->json, "JSON output");

command->callback([&action, job, command, at] {
    if (command->got_subcommand(at)) {
        action = [job] { return runAt(*job); };
    } else if (command->get_subcommands().empty()) {
        action = [job] { return runList(*job); };
    }
});
}

} // namespace korvel::cli
