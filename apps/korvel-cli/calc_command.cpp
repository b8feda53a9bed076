// korvel-cli calc HOPFILE... [--json] [--save]

#include <iostream>
#include <string>
#include <vector>

#include "calculation_output.h"
#include "commands.h"
#include "exit_codes.h"
#include "hopfile/hop_file.h"

namespace korvel::cli {
namespace {

struct CalcJob {
    std::vector<std::string> files;
    bool json = false;
    bool save = false;
};

int runCalc(CliContext& context, const CalcJob& job) {
    if (!context.loadLibrary()) {
        return kExitUnusable;
    }
    int exitCode = kExitOk;
    HopState hop;
    for (const auto& file : job.files) {
        if (!context.loadHop(file, hop)) {
            exitCode = kExitUnusable;
            continue;
        }
        const CalculationOutcome outcome = calculateHop(hop);
        if (!resultsAreFinite(hop.results)) {
            reportError(file + kNotFiniteText);
            exitCode = exitCode == kExitOk ? kExitStopped : exitCode;
            continue;
        }
        if (job.json) {
            std::cout << calculationJson(file, hop, outcome) << '\n';
        } else {
            std::cout << "== " << file << '\n';
            printCalculation(std::cout, hop, outcome);
        }
        if (!producedResults(outcome.status) && exitCode == kExitOk) {
            exitCode = kExitStopped;
        }
        if (job.save) {
            std::string currentName = file;
            if (!writeHopFile(hop, file, currentName, context.messages)) {
                reportError(file + ": the results could not be saved");
                exitCode = kExitUnusable;
            }
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
    command->callback(
        [&context, &action, job] { action = [&context, job] { return runCalc(context, *job); }; });
}

} // namespace korvel::cli
