// korvel-cli route ROUTEFILE [--json]
// korvel-cli route new --from ROUTE.json --output FILE.ROU [--radio-data] [--basic-data] [--force]
// korvel-cli route calc ROUTEFILE [--save]
// korvel-cli route write-hops ROUTEFILE [--radio-data] [--basic-data]

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "cli_files.h"
#include "commands.h"
#include "exit_codes.h"
#include "fields/format_fixed.h"
#include "hopfile/hop_file.h"
#include "json_writer.h"
#include "library/new_hop.h"
#include "platform/text_encoding.h"
#include "route/calculation_checks.h"
#include "route/hop_slot_reader.h"
#include "route/route_file.h"
#include "route/route_hop_files.h"
#include "route/route_open.h"
#include "route/route_plan.h"
#include "route/route_reset.h"
#include "route/route_summary.h"
#include "route_loading.h"

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

// Longest texts of a route plan, in Windows-1252 characters: what the route and its hop files keep.
constexpr std::size_t kRouteInfoLength = 39;
constexpr std::size_t kRadioNameLength = 19;
constexpr std::size_t kStationNameLength = 19;
constexpr std::size_t kHopFileNameLength = 251;

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

} // namespace

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

namespace {

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
    return unreadableHopCount(route) == 0 ? kExitOk : kExitUnusable;
}

// One object of the plan: every key must be known, each value of its kind. Errors name the
// field as "hops[2].lengthKm" and say what is wrong in the tool's words.
class PlanObject {
  public:
    PlanObject(const nlohmann::json& object, std::string where, std::string& error)
        : object_(object), where_(std::move(where)), error_(error) {}

    void allowOnly(std::initializer_list<const char*> keys) {
        for (const auto& item : object_.items()) {
            if (std::none_of(keys.begin(), keys.end(),
                             [&item](const char* key) { return item.key() == key; })) {
                fail(item.key(), "is not a field of a route plan");
            }
        }
    }

    // A text Windows-1252 can hold, of at most `limit` characters.
    void text(const char* key, std::size_t limit, std::string& out) {
        if (!error_.empty() || !object_.contains(key)) {
            return;
        }
        const nlohmann::json& node = object_.at(key);
        if (!node.is_string()) {
            return fail(key, "must be a text");
        }
        const std::string utf8 = node.get<std::string>();
        out = utf8ToCp1252(utf8);
        if (cp1252ToUtf8(out) != utf8) {
            return fail(key, "holds a character Windows-1252 cannot store");
        }
        if (out.size() > limit) {
            return fail(key, "is longer than " + std::to_string(limit) + " characters");
        }
    }

    void number(const char* key, double& out) {
        if (!error_.empty() || !object_.contains(key)) {
            return;
        }
        if (!object_.at(key).is_number()) {
            return fail(key, "must be a number");
        }
        out = object_.at(key).get<double>();
    }

    void require(const char* key) {
        if (error_.empty() && !object_.contains(key)) {
            fail(key, "is missing");
        }
    }

  private:
    void fail(const std::string& key, const std::string& what) {
        if (error_.empty()) {
            error_ = where_ + key + " " + what;
        }
    }

    const nlohmann::json& object_;
    std::string where_;
    std::string& error_;
};

// Reads the route plan JSON: texts in UTF-8, numbers in km and %.
std::string readPlan(const std::string& document, RoutePlan& plan) {
    const nlohmann::json root = nlohmann::json::parse(document, nullptr, false);
    if (root.is_discarded() || !root.is_object()) {
        return "not a JSON object";
    }
    std::string error;
    PlanObject top(root, "", error);
    top.allowOnly({"info", "radioName", "objectivePct", "division", "hops"});
    top.text("info", kRouteInfoLength, plan.info);
    top.text("radioName", kRadioNameLength, plan.radioName);
    top.number("objectivePct", plan.objectivePct);
    std::string division = "number";
    top.text("division", kRouteInfoLength, division);
    if (!error.empty()) {
        return error;
    }
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
    const nlohmann::json& hops = root.at("hops");
    for (std::size_t i = 0; i < hops.size() && error.empty(); ++i) {
        const std::string where = "hops[" + std::to_string(i) + "].";
        if (!hops[i].is_object()) {
            return where.substr(0, where.size() - 1) + " must be an object";
        }
        RoutePlanHop hop;
        PlanObject entry(hops[i], where, error);
        entry.allowOnly({"file", "station1", "station2", "lengthKm", "objectivePct"});
        entry.require("file");
        entry.text("file", kHopFileNameLength, hop.fileName);
        entry.text("station1", kStationNameLength, hop.station1);
        entry.text("station2", kStationNameLength, hop.station2);
        entry.number("lengthKm", hop.lengthKm);
        entry.number("objectivePct", hop.objectivePct);
        plan.hops.push_back(std::move(hop));
    }
    return error;
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

// Every hop file the route names that exists already must be a hop the library can load, so
// that writing the route never stops half-way.
bool existingHopsUsable(CliContext& context, const RouteState& route) {
    for (int i = 0; i < route.record.hopCount; ++i) {
        const std::string name = route.record.hopFile[static_cast<std::size_t>(i)].str();
        const auto file = route.folder / name;
        std::error_code error;
        if (!std::filesystem::exists(file, error)) {
            continue;
        }
        HopState scratch;
        if (!readHopFile(scratch, context.library, file, context.messages)) {
            reportError(file.string() + ": the hop file cannot be used");
            return false;
        }
    }
    return true;
}

int runNew(CliContext& context, const NewJob& job) {
    if (!context.loadLibrary()) {
        return kExitUnusable;
    }
    const auto document = readInputFile(job.from);
    if (!document) {
        return kExitUnusable;
    }
    if (!outputAllowed(job.output, job.force)) {
        return kExitUnusable;
    }
    RoutePlan plan;
    if (const std::string problem = readPlan(*document, plan); !problem.empty()) {
        reportError(job.from + ": " + problem);
        return kExitUnusable;
    }
    const std::filesystem::path output = std::filesystem::absolute(job.output);
    plan.folder = output.parent_path();
    plan.fileName = utf8ToCp1252(output.filename().string());
    RouteState route;
    if (!routeFromPlan(route, context.library, plan, context.messages)) {
        reportError(job.from + ": the route plan is refused");
        return kExitRefused;
    }
    if (!existingHopsUsable(context, route) || !writeRouteFile(route, context.messages)) {
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

int unreadableHopCount(const RouteState& route) {
    std::ostringstream alreadySaid; // openRoute has shown why each hop failed
    ConsoleMessages quiet(alreadySaid);
    RouteState scratch = route;
    int count = 0;
    for (int i = 0; i < route.record.hopCount; ++i) {
        const std::string name = route.record.hopFile[static_cast<std::size_t>(i)].str();
        count += readHopIntoSlot(scratch, name, i, true, quiet) ? 0 : 1;
    }
    return count;
}

bool openRouteForCommand(CliContext& context, const std::string& file, RouteState& route) {
    // The route file keeps its own name in a 50-byte field.
    constexpr std::size_t kLongestRouteFileName = 49;
    if (utf8ToCp1252(std::filesystem::path(file).filename().string()).size() >
        kLongestRouteFileName) {
        reportError(file + ": a route file name has at most 49 characters");
        return false;
    }
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
