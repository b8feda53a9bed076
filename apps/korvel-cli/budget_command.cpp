// korvel-cli budget HOPFILE [--json] [--methods LIST [--dN1 V ...]]

#include <cmath>
#include <iostream>
#include <string>

#include "calculation_output.h"
#include "commands.h"
#include "engine/number_text.h"
#include "exit_codes.h"
#include "json_writer.h"
#include "methods_output.h"
#include "series/budget_steps.h"

namespace korvel::cli {
namespace {

struct BudgetJob {
    std::string file;
    bool json = false;
    MethodsOptions methods;
};

using Columns = std::vector<const itu::MethodResult*>;

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

// Each method's path loss and the fade margin it leaves: the current methods replace only the
// path loss of the classic budget.
void writeMethodsBudgetJson(JsonWriter& json, const Columns& columns) {
    json.key("methods").beginArray();
    for (const itu::MethodResult* m : columns) {
        json.beginObject();
        json.key("method").utf8(itu::methodName(m->method));
        json.key("pathLossDb");
        m->pathLossDb ? json.number(*m->pathLossDb) : json.null();
        json.key("gasDb");
        m->gas ? json.number(m->gas->attenuationDb) : json.null();
        json.key("fadeMarginDb");
        m->fadeMarginDb ? json.number(*m->fadeMarginDb) : json.null();
        json.endObject();
    }
    json.endArray();
}

void printMethodsBudget(std::ostream& out, const Columns& columns) {
    if (columns.empty()) {
        return;
    }
    std::vector<std::vector<std::string>> grid{
        {"Method", "Path loss dB", "Gas dB", "Fade margin dB"}};
    const auto decibels = [](const std::optional<double>& value) {
        return value ? formatNumbers("%.2f", *value) : std::string("-");
    };
    for (const itu::MethodResult* m : columns) {
        grid.push_back({std::string(itu::methodName(m->method)), decibels(m->pathLossDb),
                        decibels(m->gas ? std::optional(m->gas->attenuationDb) : std::nullopt),
                        decibels(m->fadeMarginDb)});
    }
    std::string text;
    appendAligned(text, grid);
    out << text;
}

std::string budgetJson(const std::string& file, const LinkBudget& budget, const Columns& methods) {
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
        if (budgetStepUnit(step) == "dBi") {
            json.key("gainDbi").number(step.valueDb);
        }
        json.endObject();
    }
    json.endArray();
    if (!methods.empty()) {
        writeMethodsBudgetJson(json, methods);
    }
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
        out << formatNumbers("%-26s %c%6.1f %-3s  level %7.1f dBm", std::string(step.label).c_str(),
                             sign, step.valueDb, std::string(unitOf(step)).c_str(), step.levelDbm);
        // The antenna's own figure, beside the step it makes.
        out << (budgetStepUnit(step) == "dBi" ? formatNumbers("  (%.1f dBi)", step.valueDb)
                                              : std::string())
            << '\n';
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
    // The methods read the hop's calculated budget; the step list above needs none.
    std::array<itu::MethodResult, 3> all;
    Columns methods;
    if (job.methods.wanted()) {
        HopState calculated = hop;
        calculateHop(calculated);
        all = methodColumns(calculated, job.file, job.methods);
        methods = job.methods.chosen(all);
    }
    if (job.json) {
        std::cout << budgetJson(job.file, budget, methods) << '\n';
    } else {
        printBudget(std::cout, job.file, budget);
        printMethodsBudget(std::cout, methods);
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
    addMethodsOptions(command, job->methods);
    command->callback([&context, &action, job] {
        action = [&context, job] { return runBudget(context, *job); };
    });
}

} // namespace korvel::cli
