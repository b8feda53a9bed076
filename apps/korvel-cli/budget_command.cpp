// korvel-cli budget HOPFILE [--json]

#include <cmath>
#include <iostream>
#include <string>

#include "calculation_output.h"
#include "commands.h"
#include "engine/number_text.h"
#include "exit_codes.h"
#include "json_writer.h"
#include "series/budget_steps.h"

namespace korvel::cli {
namespace {

struct BudgetJob {
    std::string file;
    bool json = false;
};

std::string_view unitOf(const BudgetStep& step) {
    return step.kind == BudgetStepKind::Level ? "dBm" : "dB";
}

bool budgetIsFinite(const LinkBudget& budget) {
    for (const BudgetStep& step : budget.steps) {
        if (!std::isfinite(step.valueDb) || !std::isfinite(step.levelDbm)) {
            return false;
        }
    }
    return true;
}

std::string budgetJson(const std::string& file, const LinkBudget& budget) {
    JsonWriter json;
    json.beginObject();
    json.key("file").utf8(file);
    json.key("status").integer(static_cast<int>(budget.status));
    json.key("steps").beginArray();
    for (const BudgetStep& step : budget.steps) {
        json.beginObject();
        json.key("key").utf8(step.key);
        json.key("label").utf8(step.label);
        json.key("kind").utf8(budgetStepKindName(step.kind));
        json.key("value").number(step.valueDb);
        json.key("unit").utf8(unitOf(step));
        json.key("levelDbm").number(step.levelDbm);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.str();
}

void printBudget(std::ostream& out, const std::string& file, const LinkBudget& budget) {
    out << "== " << file << '\n';
    for (const BudgetStep& step : budget.steps) {
        const char sign = step.kind == BudgetStepKind::Loss          ? '-'
                          : step.kind == BudgetStepKind::Gain        ? '+'
                          : step.kind == BudgetStepKind::Degradation ? '+'
                                                                     : ' ';
        out << formatNumbers("%-26s %c%6.1f %-3s  level %7.1f dBm\n",
                             std::string(step.label).c_str(), sign, step.valueDb,
                             std::string(unitOf(step)).c_str(), step.levelDbm);
    }
    if (const auto warning = statusText(budget.status); !warning.empty()) {
        out << "Warning: " << warning << '\n';
    }
}

int runBudget(CliContext& context, const BudgetJob& job) {
    HopState hop;
    if (const int status = context.loadHop(job.file, hop); status != kExitOk) {
        return status;
    }
    const LinkBudget budget = linkBudgetSteps(hop);
    if (!budgetIsFinite(budget)) {
        reportError(job.file + kNotFiniteText);
        return kExitStopped;
    }
    if (job.json) {
        std::cout << budgetJson(job.file, budget) << '\n';
    } else {
        printBudget(std::cout, job.file, budget);
    }
    // The budget itself is whole; the calculation after it stopped, as calc reports.
    return producedResults(budget.status) ? kExitOk : kExitStopped;
}

} // namespace

void addBudgetCommand(CLI::App& app, CliContext& context, Action& action) {
    auto job = std::make_shared<BudgetJob>();
    CLI::App* command =
        app.add_subcommand("budget", "The link budget of a hop, step by step from Ptx to Prx");
    command->add_option("HOPFILE", job->file, "Hop file")->required();
    command->add_flag("--json", job->json, "Print one JSON object");
    command->callback([&context, &action, job] {
        action = [&context, job] { return runBudget(context, *job); };
    });
}

} // namespace korvel::cli
