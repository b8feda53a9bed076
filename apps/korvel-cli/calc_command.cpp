// korvel-cli calc HOPFILE... [--json] [--save] [--methods LIST [--dN1 V ...]]

#include <iostream>
#include <string>
#include <vector>

#include "calculation_output.h"
#include "cli_sites.h"
#include "commands.h"
#include "engine/hop_verdict.h"
#include "engine/stored_results.h"
#include "exit_codes.h"
#include "methods_output.h"

namespace korvel::cli {
namespace {

struct CalcJob {
    std::vector<std::string> files;
    bool json = false;
    bool save = false;
    MethodsOptions methods;
};

// One hop's output, written in one piece: JSON or text, with the methods asked for.
std::string calcOutputOf(const std::string& file, const HopState& hop,
                         const CalculationOutcome& outcome, const CalcJob& job,
                         const std::optional<std::array<itu::MethodResult, 3>>& columns,
                         std::optional<double> availabilityObjective) {
    if (job.json) {
        return calculationJson(
                   file, hop, outcome,
                   [&](JsonWriter& json) {
                       if (columns) {
                           writeMethodsJson(json, job.methods.chosen(*columns));
                       }
                   },
                   availabilityObjective) +
               '\n';
    }
    std::string text;
    text.reserve(4096); // a hop with the methods table: about 3 KB
    text.append("== ").append(file).append("\n");
    appendCalculation(text, hop, outcome);
    if (producedResults(outcome.status)) {
        appendJudgement(text, hop, availabilityObjective);
    }
    if (columns) {
        appendMethodsTable(text, job.methods.chosen(*columns));
    }
    return text;
}

int runCalc(CliContext& context, const CalcJob& job) {
    if (!context.loadLibrary()) {
        return kExitUnusable;
    }
    int exitCode = kExitOk;
    HopState hop;
    for (const auto& file : job.files) {
        if (const int status = context.loadHop(file, hop); status != kExitOk) {
            exitCode = gravestExit(exitCode, status);
            continue;
        }
        // A file written elsewhere may keep results of other data: said before they are replaced.
        if (hasResults(hop.results) && !storedResultsCurrent(hop)) {
            warnResultsOutOfDate(file);
        }
        // Read once: the availability objective (nothing after the file's refusal, said, and the
        // hop judged without it) and the methods' climate both come from it.
        auto sites = readHopSites(file);
        const auto availabilityObjective = sites ? sites->availabilityObjectivePct : std::nullopt;
        const CalculationOutcome outcome = calculateHop(hop);
        if (!resultsAreFinite(hop.results)) {
            reportError(file + kNotFiniteText);
            exitCode = gravestExit(exitCode, kExitStopped);
            continue;
        }
        std::optional<std::array<itu::MethodResult, 3>> columns;
        if (job.methods.wanted()) {
            columns = methodColumns(hop, std::move(sites), job.methods);
        }
        const std::string text =
            calcOutputOf(file, hop, outcome, job, columns, availabilityObjective);
        std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
        // A stopped calculation leaves results of the hop's older data in its later stages.
        if (!producedResults(outcome.status)) {
            exitCode = gravestExit(exitCode, kExitStopped);
            continue;
        }
        if (job.save && !context.saveHop(file, hop)) {
            exitCode = kExitUnusable;
        }
    }
    return exitCode;
}

} // namespace

void addCalcCommand(CLI::App& app, CliContext& context, Action& action) {
    auto job = std::make_shared<CalcJob>();
    CLI::App* command = app.add_subcommand("calc", "Calculate hops and print their results");
    command->add_option("HOPFILE", job->files, "Hop files")->required();
    command->add_flag("--json", job->json, "One JSON object per hop file, one per line");
    command->add_flag("--save", job->save, "Write the results back into each hop file");
    addMethodsOptions(command, job->methods);
    command->callback(
        [&context, &action, job] { action = [&context, job] { return runCalc(context, *job); }; });
}

} // namespace korvel::cli
