// korvel-cli route ROUTEFILE [--json]
// korvel-cli route new --from ROUTE.json --output FILE.ROU [--radio-data] [--basic-data] [--force]
// korvel-cli route write-hops ROUTEFILE [--radio-data] [--basic-data]

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include <nlohmann/json.hpp>

#include "cli_files.h"
#include "commands.h"
#include "exit_codes.h"
#include "json_writer.h"
#include "library/new_hop.h"
#include "platform/text_encoding.h"
#include "route/calculation_checks.h"
#include "route/route_file.h"
#include "route/route_hop_files.h"
#include "route/route_open.h"
#include "route/route_plan.h"
#include "route/route_reset.h"
#include "route/route_summary.h"
#include "route_loading.h"
#include "fields/format_fixed.h"

namespace korvel::cli {
namespace {

struct ShowJob {
    std::string file;
    bool json = false;
};

struct OverwriteChoice {
    bool radioData = false; // existing hop files take the route's radio
    bool basicData = false; // existing hop files take the route's information, stations, ...
};

struct NewJob {
    std::string from;
    std::string output;
    OverwriteChoice overwrite;
    bool force = false;
};

struct WriteHopsJob {
    std::string file;
    OverwriteChoice overwrite;
};

std::string percent(double value) {
    return formatFixed(value, 4);
}

// One row of the hop table, columns as in the header.
std::string hopRow(const std::string& number, const std::string& file, const std::string& station1,
                   const std::string& station2, const std::string& length,
                   const std::string& objective, const std::string& outage,
                   const std::string& rain) {
    char row[256];
    std::snprintf(row, sizeof row, "%3s  %-14s %-19s %-19s %8s %10s %10s %10s\n", number.c_str(),
                  file.c_str(), station1.c_str(), station2.c_str(), length.c_str(),
                  objective.c_str(), outage.c_str(), rain.c_str());
    return row;
}

void printRoute(const RouteState& route) {
    const RouteRecord& record = route.record;
    std::cout << "Route: " << cp1252ToUtf8(record.fileName.view()) << "  ("
              << cp1252ToUtf8(record.info.view()) << ")\n"
              << hopRow("#", "File", "Station 1", "Station 2", "km", "Objective%", "Outage%",
                        "Rain%");
    for (int i = 0; i < record.hopCount; ++i) {
        const RouteHopSlot& slot = route.slots[static_cast<std::size_t>(i)];
        std::cout << hopRow(
            std::to_string(i + 1), cp1252ToUtf8(record.hopFile[static_cast<std::size_t>(i)].view()),
            cp1252ToUtf8(slot.station1.view()), cp1252ToUtf8(slot.station2.view()),
            formatFixed(slot.lengthKm, 1), percent(slot.objective), percent(slot.outage),
            slot.rainUnavail < 0 ? "-" : percent(slot.rainUnavail));
    }
    std::cout << "Current route outage : " << percent(record.totalOutage) << " %\n"
              << "Route objective      : " << percent(record.objective) << " %\n"
              << "Design margin        : " << percent(designMarginPct(record)) << " %\n";
}

void printRouteJson(const RouteState& route) {
    const RouteRecord& record = route.record;
    JsonWriter json;
    json.beginObject();
    json.key("fileName").text(record.fileName.view());
    json.key("objective").number(record.objective);
    json.key("totalOutage").number(record.totalOutage);
    json.key("designMargin").number(designMarginPct(record));
    json.key("hops").beginArray();
    for (int i = 0; i < record.hopCount; ++i) {
        const RouteHopSlot& slot = route.slots[static_cast<std::size_t>(i)];
        json.beginObject();
        json.key("file").text(record.hopFile[static_cast<std::size_t>(i)].view());
        json.key("station1").text(slot.station1.view());
        json.key("station2").text(slot.station2.view());
        json.key("lengthKm").number(slot.lengthKm);
        json.key("objective").number(slot.objective);
        json.key("outage").number(slot.outage);
        json.key("rainUnavail").number(slot.rainUnavail);
        json.endObject();
    }
    json.endArray().endObject();
    std::cout << json.str() << '\n';
}

int runShow(CliContext& context, const ShowJob& job) {
    if (!context.loadLibrary()) {
        return kExitUnusable;
    }
    RouteState route;
    if (!openRouteForCommand(context, job.file, route)) {
        return kExitUnusable;
    }
    if (job.json) {
        printRouteJson(route);
    } else {
        printRoute(route);
    }
    return kExitOk;
}

// Reads the route plan JSON: texts in UTF-8, numbers in km and %.
std::string readPlan(const std::string& document, RoutePlan& plan) {
    const nlohmann::json root = nlohmann::json::parse(document, nullptr, false);
    if (root.is_discarded() || !root.is_object()) {
        return "not a JSON object";
    }
    try {
        plan.info = utf8ToCp1252(root.value("info", std::string{}));
        plan.radioName = utf8ToCp1252(root.value("radioName", std::string{}));
        plan.objectivePct = root.value("objectivePct", 0.0);
        const std::string division = root.value("division", std::string{"number"});
        if (division == "number") {
            plan.division = DivisionMethod::Number;
        } else if (division == "length") {
            plan.division = DivisionMethod::Length;
        } else if (division == "manual") {
            plan.division = DivisionMethod::Manual;
        } else {
            return "division must be \"number\", \"length\" or \"manual\"";
        }
        if (!root.contains("hops") || !root.at("hops").is_array()) {
            return "hops must be a list";
        }
        for (const auto& entry : root.at("hops")) {
            RoutePlanHop hop;
            hop.fileName = utf8ToCp1252(entry.at("file").get<std::string>());
            hop.station1 = utf8ToCp1252(entry.value("station1", std::string{}));
            hop.station2 = utf8ToCp1252(entry.value("station2", std::string{}));
            hop.lengthKm = entry.value("lengthKm", 0.0);
            hop.objectivePct = entry.value("objectivePct", 0.0);
            plan.hops.push_back(std::move(hop));
        }
    } catch (const nlohmann::json::exception& error) {
        return std::string("a field has the wrong type or is missing: ") + error.what();
    }
    return {};
}

bool writeHopFiles(CliContext& context, RouteState& route, OverwriteChoice overwrite) {
    route.overwriteRadioData = overwrite.radioData;
    route.overwriteBasicData = overwrite.basicData;
    HopState hop;
    resetHopState(hop, context.library);
    std::string currentHopFileName;
    return writeRouteIntoHopFiles(route, hop, context.library, currentHopFileName,
                                  context.messages);
}

int runNew(CliContext& context, const NewJob& job) {
    if (!context.loadLibrary()) {
        return kExitUnusable;
    }
    const auto document = readWholeFile(job.from);
    if (!document) {
        reportError(job.from + ": cannot open");
        return kExitUnusable;
    }
    const std::filesystem::path output = std::filesystem::absolute(job.output);
    std::error_code error;
    if (!job.force && std::filesystem::exists(output, error)) {
        reportError(job.output + " exists already (use --force to replace it)");
        return kExitUnusable;
    }
    RoutePlan plan;
    if (const std::string problem = readPlan(*document, plan); !problem.empty()) {
        reportError(job.from + ": " + problem);
        return kExitUnusable;
    }
    plan.folder = output.parent_path();
    plan.fileName = utf8ToCp1252(output.filename().string());
    RouteState route;
    if (!routeFromPlan(route, context.library, plan, context.messages) ||
        !writeRouteFile(route, context.messages)) {
        reportError(job.output + ": the route could not be written");
        return kExitUnusable;
    }
    if (!writeHopFiles(context, route, job.overwrite)) {
        reportError(job.output + ": the hop files of the route could not all be written");
        return kExitUnusable;
    }
    return kExitOk;
}

int runWriteHops(CliContext& context, const WriteHopsJob& job) {
    if (!context.loadLibrary()) {
        return kExitUnusable;
    }
    RouteState route;
    if (!openRouteForCommand(context, job.file, route)) {
        return kExitUnusable;
    }
    if (!checkHopsBeforeCalculation(route, context.messages) ||
        !writeHopFiles(context, route, job.overwrite)) {
        reportError(job.file + ": the hop files of the route could not all be written");
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

bool openRouteForCommand(CliContext& context, const std::string& file, RouteState& route) {
    resetRoute(route, context.library, std::filesystem::path(file).parent_path());
    if (!openRoute(route, context.library, file, context.messages)) {
        reportError(file + ": the route file cannot be used");
        return false;
    }
    return true;
}

void addRouteCommands(CLI::App& app, CliContext& context, Action& action) {
    auto show = std::make_shared<ShowJob>();
    CLI::App* route = app.add_subcommand("route", "Show a route, create one, write its hop files");
    route->require_subcommand(0, 1);
    route->add_option("ROUTEFILE", show->file, "Route file to show");
    route->add_flag("--json", show->json, "Print one JSON object");
    route->callback([&context, &action, route, show] {
        if (route->get_subcommands().empty()) {
            if (show->file.empty()) {
                throw CLI::RequiredError("ROUTEFILE");
            }
            action = [&context, show] { return runShow(context, *show); };
        }
    });

    auto create = std::make_shared<NewJob>();
    CLI::App* newCommand = route->add_subcommand(
        "new", "Create a route file from JSON, and the hop files it names that do not exist");
    newCommand->add_option("--from", create->from, "Route plan (JSON)")->required();
    newCommand->add_option("--output", create->output, "Route file to write")->required();
    addOverwriteFlags(newCommand, create->overwrite);
    newCommand->add_flag("--force", create->force, "Replace an existing route file");
    newCommand->callback([&context, &action, create] {
        action = [&context, create] { return runNew(context, *create); };
    });

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
