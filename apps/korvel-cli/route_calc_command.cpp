// korvel-cli route calc ROUTEFILE [--save]: every hop of the route calculated as `calc` does,
// then the route table with the new outages and the design margin.

#include <iostream>
#include <string>

#include "calculation_output.h"
#include "exit_codes.h"
#include "hopfile/hop_file.h"
#include "hopfile/hop_preparation.h"
#include "route/hop_slot_reader.h"
#include "route_loading.h"

namespace korvel::cli {
namespace {

struct RouteCalcJob {
    std::string file;
    bool save = false;
};

// Calculates hop `index` into its slot; the exit status this hop asks for.
int calculateRouteHop(CliContext& context, const RouteCalcJob& job, RouteState& route,
                      std::size_t index) {
    const std::string name = route.record.hopFile[index].str();
    const auto file = route.folder / name;
    HopState hop;
    if (!loadHopForCalculation(file, context.library, context.messages, hop)) {
        reportError(file.string() + ": the hop file cannot be used");
        return kExitUnusable;
    }
    const CalculationOutcome outcome = calculateHop(hop);
    if (!resultsAreFinite(hop.results)) {
        reportError(file.string() + kNotFiniteText);
        return kExitStopped;
    }
    for (const auto& warning : calculationWarnings(outcome)) {
        context.messages.show(name + ": " + warning, kAppCaption, MessageIcon::Warning);
    }
    if (!producedResults(outcome.status)) {
        return kExitStopped;
    }
    fillHopSlot(route.slots[index], hop.record, hop.results);
    if (job.save) {
        std::string currentName = name;
        if (!writeHopFile(hop, file, currentName, context.messages)) {
            reportError(file.string() + ": the results could not be saved");
            return kExitUnusable;
        }
    }
    return kExitOk;
}

int runRouteCalc(CliContext& context, const RouteCalcJob& job) {
    if (!context.loadLibrary()) {
        return kExitUnusable;
    }
    RouteState route;
    if (!openRouteForCommand(context, job.file, route)) {
        return kExitUnusable;
    }
    int exitCode = kExitOk;
    RouteRecord& record = route.record;
    record.totalOutage = 0;
    for (int i = 0; i < record.hopCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const int status = calculateRouteHop(context, job, route, index);
        // An unusable file outranks a stopped calculation, as in calc.
        if (status != kExitOk && exitCode != kExitUnusable) {
            exitCode = status;
        }
        record.hopOutage[index] = route.slots[index].outage;
        record.hopRain[index] = route.slots[index].rainUnavail;
        record.totalOutage += route.slots[index].outage;
    }
    printRoute(route);
    return exitCode;
}

} // namespace

void addRouteCalcCommand(CLI::App* route, CliContext& context, Action& action) {
    auto job = std::make_shared<RouteCalcJob>();
    CLI::App* command = route->add_subcommand(
        "calc", "Calculate every hop of a route and print the route table with the new outages");
    command->add_option("ROUTEFILE", job->file, "Route file")->required();
    command->add_flag("--save", job->save, "Write the results back into each hop file");
    command->callback([&context, &action, job] {
        action = [&context, job] { return runRouteCalc(context, *job); };
    });
}

} // namespace korvel::cli
