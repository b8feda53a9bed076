#pragma once
// Each command registers its flags on the command line and, when chosen, sets the action that
// runs it. Commands only parse their flags into a job and call the core.

#include <functional>

#include <CLI/CLI.hpp>

#include "cli_context.h"

namespace korvel::cli {

using Action = std::function<int()>;

void addCalcCommand(CLI::App& app, CliContext& context, Action& action);
void addBudgetCommand(CLI::App& app, CliContext& context, Action& action);
void addSweepCommand(CLI::App& app, CliContext& context, Action& action);
void addRainCommand(CLI::App& app, CliContext& context, Action& action);
void addHopCommands(CLI::App& app, CliContext& context, Action& action);
void addLibraryCommands(CLI::App& app, CliContext& context, Action& action);
void addOptimizeCommand(CLI::App& app, CliContext& context, Action& action);
void addReportCommands(CLI::App& app, CliContext& context, Action& action);
void addRouteCommands(CLI::App& app, CliContext& context, Action& action);

} // namespace korvel::cli
