// korvel-cli route ROUTEFILE [--json] [--methods LIST [--dN1 V ...]]
// korvel-cli route new --from ROUTE.json --output FILE.ROU [--radio-data] [--basic-data] [--force]
//                      [--directory .]
// korvel-cli route calc ROUTEFILE [--save]
// korvel-cli route write-hops ROUTEFILE [--radio-data] [--basic-data]

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>

#include "cli_files.h"
#include "commands.h"
#include "exit_codes.h"
#include "json_writer.h"
#include "library/new_hop.h"
#include "platform/text_encoding.h"
#include "route/calculation_checks.h"
#include "route/objective_division.h"
#include "route/route_file.h"
#include "route/route_folder.h"
#include "route/route_hop_files.h"
#include "route/route_names.h"
#include "route/route_overwrite.h"
#include "route/route_plan.h"
#include "route/route_sidecar.h"
#include "route/route_summary.h"
#include "route/route_verdict.h"
#include "route_loading.h"
#include "route_methods_output.h"
#include "route_plan_json.h"

namespace korvel::cli {
namespace {

struct RouteShowJob {
    std::string file;
    bool json = false;
    MethodsOptions methods;
};

struct OverwriteChoice {
    bool radioData = false; // existing hop files take the route's radio
    bool basicData = false; // existing hop files take the route's information, stations, ...
};

struct RouteNewJob {
    std::string from;
    std::string output;
    std::string directory; // the route's directory field, a relative name of its folder
    OverwriteChoice overwrite;
    bool force = false;
};

struct WriteHopsJob {
    std::string file;
    OverwriteChoice overwrite;
};

// One hop of the route's JSON: its slot as the route file keeps it, its state and share.
void writeRouteHopJson(JsonWriter& json, const RouteState& route, std::size_t hop, bool stale,
                       RouteHopStatus status,
                       const std::optional<std::array<double, kMaxRouteHops>>& share) {
    const RouteHopSlot& slot = route.slots[hop];
    json.beginObject();
    json.key("file").text(route.record.hopFile[hop].view());
    json.key("station1").text(slot.station1.view());
    json.key("station2").text(slot.station2.view());
    json.key("lengthKm").number(slot.lengthKm);
    json.key("objective").number(slot.objective);
    json.key("outage").number(slot.outage);
    json.key("rainUnavail").number(slot.rainUnavail);
    json.key("stale").boolean(stale);
    json.key("availabilityShare");
    if (share) {
        json.number((*share)[hop]);
    } else {
        json.null();
    }
    json.key("state").text(routeHopStatusKey(status));
}

void printRouteJson(const RouteState& route, const HopMarks& stale,
                    const RouteHopStatuses& statuses, const RouteShowJob& job,
                    const RouteMethods* methods) {
    const RouteRecord& record = route.record;
    JsonWriter json;
    json.beginObject();
    json.key("fileName").text(record.fileName.view());
    json.key("objective").number(record.objective);
    json.key("totalOutage").number(record.totalOutage);
    json.key("designMargin").number(designMarginPct(record));
    const RouteVerdict verdict = routeVerdict(record, statuses);
    json.key("notCalculated").integer(verdict.notCalculated);
    json.key("outOfDate").integer(verdict.outOfDate);
    // Null while a hop is not calculated or out of date.
    json.key("objectiveMet");
    if (verdict.complete()) {
        json.boolean(verdict.total.verdict == ObjectiveVerdict::Met);
    } else {
        json.null();
    }
    json.key("verdict").text(routeVerdictWords(verdict));
    // Null without an availability objective, or while a hop is not calculated or out of date.
    json.key("availabilityObjective");
    if (route.availabilityObjectivePct) {
        json.number(*route.availabilityObjectivePct);
    } else {
        json.null();
    }
    json.key("availabilityObjectiveMet");
    const double rain = routeRainPct(route);
    if (verdict.complete() && route.availabilityObjectivePct && rain >= 0.0) {
        json.boolean(meetsObjective(rain, *route.availabilityObjectivePct));
    } else {
        json.null();
    }
    json.key("availabilityVerdict").text(routeAvailabilityWords(verdict, route));
    const auto availabilityShare = availabilityShares(route);
    json.key("hops").beginArray();
    for (int i = 0; i < record.hopCount; ++i) {
        const auto hop = static_cast<std::size_t>(i);
        writeRouteHopJson(json, route, hop, stale[hop], statuses[hop], availabilityShare);
        if (methods) {
            writeRouteHopMethodsJson(json, *methods, job.methods, hop);
        }
        json.endObject();
    }
    json.endArray();
    if (methods) {
        writeRouteTotalsJson(json, *methods);
    }
    json.endObject();
    std::cout << json.str() << '\n';
}

int runRouteShow(CliContext& context, const RouteShowJob& job) {
    if (!context.loadLibrary()) {
        return kExitUnusable;
    }
    RouteState route;
    HopMarks unreadable{};
    HopImages images{};
    if (!openRouteForCommand(context, job.file, route, unreadable, &images)) {
        return kExitUnusable;
    }
    const RouteHopStatuses statuses = routeHopStatuses(route, context.library, images);
    const HopMarks stale = staleHops(route, statuses, unreadable);
    std::optional<RouteMethods> methods;
    if (job.methods.wanted()) {
        methods = routeMethods(context, job.file, route, images, unreadable, job.methods);
    }
    if (job.json) {
        printRouteJson(route, stale, statuses, job, methods ? &*methods : nullptr);
    } else {
        printRoute(route, stale, statuses);
        HopMarks outOfDate{};
        std::ranges::transform(statuses, outOfDate.begin(), [](RouteHopStatus status) {
            return status == RouteHopStatus::OutOfDate;
        });
        printRefreshHint(job.file, outOfDate);
        if (methods) {
            std::string text;
            appendRouteMethodsText(text, route, *methods, job.methods);
            std::cout << text;
        }
    }
    return markedHopCount(unreadable) == 0 ? kExitOk : kExitUnusable;
}

bool writeHopFiles(CliContext& context, RouteState& route, OverwriteChoice overwrite) {
    route.overwriteRadioData = overwrite.radioData;
    route.overwriteBasicData = overwrite.basicData;
    HopState hop;
    resetHopState(hop, context.library);
    std::filesystem::path currentHopFileName;
    return writeRouteIntoHopFiles(route, hop, context.library, currentHopFileName,
                                  context.messages);
}

// Every hop file the route names that exists already must be a hop the library can load, so
// that writing the route never stops half-way.
bool existingHopsUsable(CliContext& context, const RouteState& route) {
    for (int i = 0; i < route.record.hopCount; ++i) {
        const auto file =
            fileInRouteFolder(route, route.record.hopFile[static_cast<std::size_t>(i)].view());
        std::error_code error;
        HopState scratch;
        if (file && std::filesystem::exists(*file, error) &&
            !context.readHop(file->string(), scratch)) {
            return false;
        }
    }
    return true;
}

int runRouteNew(CliContext& context, const RouteNewJob& job) {
    if (!context.loadLibrary()) {
        return kExitUnusable;
    }
    const auto document = readInputFile(job.from);
    if (!document || !outputAllowed(job.output, job.force)) {
        return kExitUnusable;
    }
    RoutePlan plan;
    if (const std::string problem = readRoutePlanJson(*document, plan); !problem.empty()) {
        reportError(job.from + ": " + problem);
        return kExitUnusable;
    }
    if (const auto refusal = refusedHopName(plan)) {
        reportError(job.from + ": hops[" + std::to_string(refusal->hop) +
                    "].file is refused: " + cp1252ToUtf8(refusal->reason));
        return kExitRefused;
    }
    const std::filesystem::path output = std::filesystem::absolute(job.output);
    plan.folder = output.parent_path();
    std::error_code error;
    if (!std::filesystem::is_directory(plan.folder, error)) {
        reportError(job.output + ": " + kCannotWrite);
        return kExitUnusable;
    }
    // The route keeps its own name inside the file, in Windows-1252.
    if (!pathFitsCp1252(output.filename())) {
        reportError(job.output + ": a route file name holds only Windows-1252 characters");
        return kExitRefused;
    }
    plan.fileName = pathToCp1252(output.filename());
    if (!pathFitsCp1252(job.directory)) {
        reportError(job.directory + ": a route directory holds only Windows-1252 characters");
        return kExitRefused;
    }
    plan.directory = pathToCp1252(job.directory);
    RouteState route;
    if (!routeFromPlan(route, context.library, plan, context.messages)) {
        reportError(job.from + ": the route plan is refused");
        return kExitRefused;
    }
    // Nothing is written unless the route file and every hop file of it may be replaced.
    if (!routeFileReplaceable(route, context.messages) ||
        !routeHopFilesReplaceable(route, context.messages) || !existingHopsUsable(context, route)) {
        return kExitUnusable;
    }
    if (!writeRouteFile(route, context.messages) ||
        saveRouteSidecar(output, {route.availabilityObjectivePct}) != FileWriteResult::Written) {
        reportError(job.output + ": " + kCannotWrite);
        return kExitUnusable;
    }
    if (!writeHopFiles(context, route, job.overwrite)) {
        reportError(job.output + ": " + kCannotWrite + " every hop file of the route");
        return kExitUnusable;
    }
    return kExitOk;
}

int runWriteHops(CliContext& context, const WriteHopsJob& job) {
    if (!context.loadLibrary()) {
        return kExitUnusable;
    }
    RouteState route;
    HopMarks unreadable{};
    if (!openRouteForCommand(context, job.file, route, unreadable)) {
        return kExitUnusable;
    }
    // A hop name the route rules refuse (said when the route was opened) can never be written:
    // stop before any hop file changes.
    bool namesUsable = true;
    for (int i = 0; i < route.record.hopCount; ++i) {
        namesUsable = namesUsable &&
                      !hopFileNameRefusal(route.record.hopFile[static_cast<std::size_t>(i)].view());
    }
    if (!namesUsable || !checkHopsBeforeCalculation(route, context.messages) ||
        !writeHopFiles(context, route, job.overwrite)) {
        reportError(job.file + ": " + kCannotWrite + " every hop file of the route");
        return kExitUnusable;
    }
    return kExitOk;
}

void addOverwriteFlags(CLI::App* command, OverwriteChoice& overwrite) {
    command->add_flag("--radio-data", overwrite.radioData,
                      "Existing hop files take the route's radio");
    command->add_flag("--basic-data", overwrite.basicData,
                      "Existing hop files take the route's information, stations, length and "
                      "objective");
}

} // namespace

void addRouteCommands(CLI::App& app, CliContext& context, Action& action) {
    auto show = std::make_shared<RouteShowJob>();
    CLI::App* route = app.add_subcommand("route", "Show a route, create one, write its hop files");
    route->require_subcommand(0, 1);
    route->add_option("ROUTEFILE", show->file, "Route file to show");
    route->add_flag("--json", show->json, "Print one JSON object");
    addMethodsOptions(route, show->methods);
    route->callback([&context, &action, route, show] {
        if (route->get_subcommands().empty()) {
            if (show->file.empty()) {
                throw CLI::RequiredError("ROUTEFILE");
            }
            action = [&context, show] { return runRouteShow(context, *show); };
        }
    });

    auto create = std::make_shared<RouteNewJob>();
    CLI::App* newCommand = route->add_subcommand(
        "new", "Create a route file from JSON, and the hop files it names that do not exist");
    newCommand->add_option("--from", create->from, "Route plan (JSON)")->required();
    newCommand->add_option("--output", create->output, "Route file to write")
        ->required()
        ->check(kOutputFileName);
    addOverwriteFlags(newCommand, create->overwrite);
    newCommand->add_flag("--force", create->force, "Replace an existing route file");
    newCommand->add_option("--directory", create->directory,
                           "Route directory the file keeps, as a relative name of its own folder "
                           "(\".\"), for a route shipped with its hops; default: the folder");
    newCommand->callback([&context, &action, create] {
        action = [&context, create] { return runRouteNew(context, *create); };
    });

    addRouteCalcCommand(route, context, action);

    auto writeHops = std::make_shared<WriteHopsJob>();
    CLI::App* writeCommand = route->add_subcommand(
        "write-hops", "Write the route's radio and basic data into its hop files");
    writeCommand->add_option("ROUTEFILE", writeHops->file, "Route file")->required();
    addOverwriteFlags(writeCommand, writeHops->overwrite);
    writeCommand->callback([&context, &action, writeHops] {
        action = [&context, writeHops] { return runWriteHops(context, *writeHops); };
    });
}

} // namespace korvel::cli
