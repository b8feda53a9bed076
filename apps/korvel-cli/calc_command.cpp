// korvel-cli calc HOPFILE... [--json] [--save] [--methods LIST [--dN1 V ...]]

#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "calculation_output.h"
#include "cli_sites.h"
#include "commands.h"
#include "engine/hop_verdict.h"
#include "engine/stored_results.h"
#include "exit_codes.h"
#include "in_order_pool.h"
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

// One hop's share of a run: what it says on stderr before its output, the output, and how it
// ended. Made on any thread; printed, and saved, on the main one in the order of the files.
struct HopTurn {
    std::string said;
    std::string text;
    int status = kExitOk;
    bool readMaps = false;              // the climate maps were read for its columns
    std::optional<HopState> calculated; // to save, with --save
};

void calculateLoaded(const std::string& file, HopState& hop, const CalcJob& job, HopTurn& turn) {
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
        turn.status = kExitStopped;
        return;
    }
    std::optional<std::array<itu::MethodResult, 3>> columns;
    if (job.methods.wanted()) {
        turn.readMaps = true;
        columns = methodColumns(hop, std::move(sites), job.methods);
    }
    turn.text = calcOutputOf(file, hop, outcome, job, columns, availabilityObjective);
    // A stopped calculation leaves results of the hop's older data in its later stages.
    if (!producedResults(outcome.status)) {
        turn.status = kExitStopped;
    } else if (job.save) {
        turn.calculated = hop;
    }
}

HopTurn calculateTurn(CliContext& context, const CalcJob& job, const std::string& file) {
    thread_local std::ostringstream said;
    said.str({});
    const ErrorCapture capture(said);
    ConsoleMessages messages(said);
    HopTurn turn;
    HopState hop;
    turn.status = context.loadHop(file, hop, messages);
    if (turn.status == kExitOk) {
        calculateLoaded(file, hop, job, turn);
    }
    turn.said = said.str();
    return turn;
}

void write(std::ostream& out, const std::string& text) {
    if (!text.empty()) {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
}

int runCalc(CliContext& context, const CalcJob& job) {
    if (!context.loadLibrary()) {
        return kExitUnusable;
    }
    // Opened before the hops are shared out; a damaged map is said where the first hop that
    // reads the maps would have said it.
    std::string mapErrors;
    if (job.methods.wanted()) {
        std::ostringstream said;
        const ErrorCapture capture(said);
        job.methods.maps();
        mapErrors = said.str();
    }
    // Several hops at once, unless a hop saved could be read again by a later file.
    const unsigned threads = job.save ? 1U : workThreadsFor(job.files.size());
    int exitCode = kExitOk;
    forEachInOrder(
        job.files.size(), threads,
        [&](std::size_t i) { return calculateTurn(context, job, job.files[i]); },
        [&](std::size_t i, HopTurn&& turn) {
            write(std::cerr, turn.said);
            if (turn.readMaps) {
                write(std::cerr, std::exchange(mapErrors, {}));
            }
            write(std::cout, turn.text);
            exitCode = gravestExit(exitCode, turn.status);
            if (turn.calculated && !context.saveHop(job.files[i], *turn.calculated)) {
                exitCode = kExitUnusable;
            }
        });
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
