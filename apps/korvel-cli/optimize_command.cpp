// korvel-cli optimize HOPFILE [--json] [--choose N] [--save]

#include <charconv>
#include <iostream>
#include <optional>
#include <string>

#include "calculation_output.h"
#include "commands.h"
#include "engine/selective_margin.h"
#include "exit_codes.h"
#include "json_writer.h"
#include "optimize/combination_search.h"
#include "optimize/combination_selection.h"
#include "optimize/library_values.h"
#include "platform/text_encoding.h"

namespace korvel::cli {
namespace {

struct OptimizeJob {
    std::string file;
    bool json = false;
    std::optional<int> choose; // 1, 2, ... meeting; -1, -2, ... near misses
    std::string chooseText;    // as typed; --choose must name a line
    bool save = false;
};

void writeEntries(JsonWriter& json, const CombinationEntry* entries, int count,
                  const std::vector<std::string>& lines, int firstLine) {
    json.beginArray();
    for (int i = 0; i < count; ++i) {
        const CombinationEntry& entry = entries[i];
        json.beginObject();
        json.key("d1Index").integer(entry.indices.d1Index);
        json.key("d2Index").integer(entry.indices.d2Index);
        json.key("feeder1Index").integer(entry.indices.feeder1Index);
        json.key("feeder2Index").integer(entry.indices.feeder2Index);
        json.key("ddIndex").integer(entry.indices.ddIndex);
        json.key("spacingM").number(entry.spacingM);
        json.key("outagePct").number(entry.outagePct);
        json.key("price").number(entry.price);
        json.key("line").text(lines[static_cast<std::size_t>(firstLine + i)]);
        json.endObject();
    }
    json.endArray();
}

void printLists(const OptimizeJob& job, const HopState& hop, const CombinationLists& lists,
                const std::vector<std::string>& lines) {
    const std::string objective = objectiveText(hop.record.outageObjectivePct);
    if (job.json) {
        JsonWriter json;
        json.beginObject();
        json.key("objective").number(hop.record.outageObjectivePct);
        json.key("meeting");
        writeEntries(json, lists.meetingList.data(), lists.meetingCount, lines, 0);
        json.key("nearMiss");
        writeEntries(json, lists.nearMissList.data(), lists.nearMissCount, lines,
                     lists.meetingCount);
        json.endObject();
        std::cout << json.str() << '\n';
        return;
    }
    std::cout << "Objective: " << objective << " %\n"
              << cp1252ToUtf8(selectionHeader(hop.record.diversityMode)) << '\n';
    for (const auto& line : lines) {
        std::cout << cp1252ToUtf8(line) << '\n';
    }
}

// The whole number the text is, nothing else: no blanks, no sign alone, no trailing letters.
std::optional<int> wholeNumber(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || next != end) {
        return std::nullopt;
    }
    return value;
}

// The list line of choice N as shown, or nothing when no such line exists.
std::optional<int> lineOfChoice(int choice, const CombinationLists& lists) {
    if (choice >= 1 && choice <= lists.meetingCount) {
        return choice - 1;
    }
    if (choice <= -1 && -choice <= lists.nearMissCount) {
        return lists.meetingCount - choice - 1;
    }
    return std::nullopt;
}

int runOptimize(CliContext& context, const OptimizeJob& job) {
    HopState hop;
    if (const int status = context.loadHop(job.file, hop); status != kExitOk) {
        return status;
    }
    if (const SearchStatus radio = radioAllowsOptimization(hop.selection);
        radio != SearchStatus::Done) {
        context.messages.show(searchStatusText(radio), kAppCaption, MessageIcon::Information);
        reportError(job.file + ": the optimization is refused");
        return kExitRefused;
    }
    const SearchOutcome search = searchCombinations(hop, context.library);
    for (const auto& message : search.mathMessages) {
        context.messages.show(message.text, message.caption, MessageIcon::Warning);
    }
    if (search.status == SearchStatus::Obstructed) {
        context.messages.show(statusText(CalcStatus::Obstructed), kAppCaption,
                              MessageIcon::Warning);
        return kExitStopped;
    }
    if (search.status != SearchStatus::Done) { // the library lacks the hop's feeder data
        context.messages.show(searchStatusText(search.status), kAppCaption,
                              MessageIcon::Information);
        reportError(job.file + ": " + kNotWithThisLibrary);
        return kExitUnusable;
    }
    const std::optional<int> line =
        job.choose ? lineOfChoice(*job.choose, search.lists) : std::nullopt;
    if (job.choose && !line) {
        reportError("--choose " + std::to_string(*job.choose) + ": line not found in the list");
        return kExitUnusable;
    }
    const std::vector<std::string> lines = selectionLines(search.lists, hop, context.library);
    printLists(job, hop, search.lists, lines);
    if (!line) {
        return kExitOk;
    }
    applyCombination(search.lists, *line, hop);
    takeLibraryValues(hop, context.library);
    prepareSelectiveMargin(hop);
    const CalculationOutcome outcome = calculateHop(hop);
    if (!resultsAreFinite(hop.results)) {
        reportError(job.file + kNotFiniteText);
        return kExitStopped;
    }
    if (job.json) {
        std::cout << calculationJson(job.file, hop, outcome) << '\n';
    } else {
        std::cout << "== " << job.file << " with line " << *job.choose << '\n';
        printCalculation(std::cout, hop, outcome);
    }
    if (job.save) {
        if (!context.saveHop(job.file, hop)) {
            return kExitUnusable;
        }
    }
    return producedResults(outcome.status) ? kExitOk : kExitStopped;
}

} // namespace

void addOptimizeCommand(CLI::App& app, CliContext& context, Action& action) {
    auto job = std::make_shared<OptimizeJob>();
    CLI::App* command = app.add_subcommand(
        "optimize", "Find the cheapest antennas and feeders that meet the hop's objective");
    command->add_option("HOPFILE", job->file, "Hop file")->required();
    command->add_flag("--json", job->json, "Print the lists as one JSON object");
    CLI::Option* choose =
        command->add_option("--choose", job->chooseText,
                            "Apply line N as shown (1, 2, ... meeting; -1, -2, ... near misses)");
    command->add_flag("--save", job->save, "Write the hop with the chosen combination")
        ->needs("--choose");
    command->callback([&context, &action, job, choose] {
        if (choose->count() > 0) {
            job->choose = wholeNumber(job->chooseText);
            if (!job->choose) {
                throw CLI::ValidationError("--choose",
                                           "'" + job->chooseText + "' is not the number of a line");
            }
        }
        action = [&context, job] { return runOptimize(context, *job); };
    });
}

} // namespace korvel::cli
