// korvel-cli route calc ROUTEFILE [--save]: every hop of the route calculated as `calc` does,
// then the route table with the new outages and the design margin.

#include <iostream>
#include <string>

#include "calculation_output.h"
#include "cli_files.h"
#include "engine/hop_verdict.h"
#include "exit_codes.h"
#include "platform/text_encoding.h"
#include "route/hop_slot_reader.h"
#include "route/route_file.h"
#include "route_loading.h"

namespace korvel::cli {
namespace {

struct RouteCalcJob {
    std::string file;
    bool save = false;
};

// Calculates readable hop `index` into its slot, telling whether it did; the exit status this
// hop asks for.
int calculateRouteHop(CliContext& context, const RouteCalcJob& job, RouteState& route,
                      std::span<const std::uint8_t> image, std::size_t index, bool& calculated) {
    calculated = false;
    const std::string name = route.record.hopFile[index].str();
    // Named beside the route file as the user named it; route.folder is absolute.
    const std::string file =
        (std::filesystem::path(job.file).parent_path() / cp1252ToUtf8(name)).string();
    HopState hop;
    if (const int status = context.loadHop(file, image, hop); status != kExitOk) {
        return status;
    }
    const CalculationOutcome outcome = calculateHop(hop);
    if (!resultsAreFinite(hop.results)) {
        reportError(file + kNotFiniteText);
        return kExitStopped;
    }
    for (const auto& warning : calculationWarnings(outcome)) {
        context.messages.show(name + ": " + warning, kAppCaption, MessageIcon::Warning);
    }
    if (!producedResults(outcome.status)) {
        return kExitStopped;
    }
    fillHopSlot(route.slots[index], hop.record, hop.results);
    calculated = true;
    if (job.save && !context.saveHop(file, hop)) {
        return kExitUnusable;
    }
    return kExitOk;
}

int runRouteCalc(CliContext& context, const RouteCalcJob& job) {
    if (!context.loadLibrary()) {
        return kExitUnusable;
    }
    RouteState route;
    HopMarks unreadable{};
    HopImages images{};
    if (!openRouteForCommand(context, job.file, route, unreadable, &images)) {
        return kExitUnusable;
    }
    int exitCode = kExitOk;
    HopMarks stale{};
    RouteHopStatuses statuses{};
    statuses.fill(RouteHopStatus::NotCalculated);
    RouteRecord& record = route.record;
    record.totalOutage = 0;
    for (int i = 0; i < record.hopCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        bool calculated = false;
        // A hop the route could not read has been named when it was opened.
        exitCode = gravestExit(exitCode, unreadable[index]
                                             ? kExitUnusable
                                             : calculateRouteHop(context, job, route, images[index],
                                                                 index, calculated));
        // A hop that could be read but not calculated still shows what its file holds.
        stale[index] = !calculated && !unreadable[index];
        if (calculated) {
            statuses[index] =
                meetsObjective(route.slots[index].outage, route.slots[index].objective)
                    ? RouteHopStatus::MeetsShare
                    : RouteHopStatus::MissesShare;
        }
        record.hopOutage[index] = route.slots[index].outage;
        record.hopRain[index] = route.slots[index].rainUnavail;
        record.totalOutage += route.slots[index].outage;
    }
    printRoute(route, stale, statuses);
    // The route keeps the outages and rain its hop files now hold, once every hop was read and
    // every save went through.
    if (job.save && exitCode != kExitUnusable && !writeRouteFile(route, context.messages)) {
        reportError(job.file + ": " + kCannotWrite);
        return kExitUnusable;
    }
    return exitCode;
}

} // namespace

void addRouteCalcCommand(CLI::App* route, CliContext& context, Action& action) {
    auto job = std::make_shared<RouteCalcJob>();
    CLI::App* command = route->add_subcommand(
        "calc", "Calculate every hop of a route and print the route table with the new outages");
    command->add_option("ROUTEFILE", job->file, "Route file")->required();
    command->add_flag("--save", job->save,
                      "Write the results back into each hop file, then the route file");
    command->callback([&context, &action, job] {
        action = [&context, job] { return runRouteCalc(context, *job); };
    });
}

} // namespace korvel::cli
