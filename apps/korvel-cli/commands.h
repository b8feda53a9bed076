#pragma once
// Each command registers its flags on the command line and, when chosen, sets the action that
// runs it. Commands only parse their flags into a job and call the core.

#include <functional>
#include <span>
#include <string>

#include <CLI/CLI.hpp>

#include "cli_context.h"

namespace korvel::cli {

using Action = std::function<int()>;

// For --output: "-" would be taken as a file named "-", where a user means standard output,
// which the commands do not write; refused on the command line, before anything is made.
inline const CLI::Validator kOutputFileName(
    [](const std::string& name) {
        return name == "-" ? std::string("\"-\" (standard output) is not offered: name a file")
                           : std::string();
    },
    "FILE");

// Registers the command the command line names, or every command when it names none (--help
// lists them all): building the parser of every command took most of a one-hop start.
void addCommands(CLI::App& app, CliContext& context, Action& action,
                 std::span<char* const> arguments);

void addCalcCommand(CLI::App& app, CliContext& context, Action& action);
void addBudgetCommand(CLI::App& app, CliContext& context, Action& action);
void addSweepCommand(CLI::App& app, CliContext& context, Action& action);
void addRainCommand(CLI::App& app, CliContext& context, Action& action);
void addHopCommands(CLI::App& app, CliContext& context, Action& action);
void addLibraryCommands(CLI::App& app, CliContext& context, Action& action);
void addOptimizeCommand(CLI::App& app, CliContext& context, Action& action);
void addReportCommands(CLI::App& app, CliContext& context, Action& action);
void addRouteCommands(CLI::App& app, CliContext& context, Action& action);
void addProfileCommand(CLI::App& app, CliContext& context, Action& action);
void addSitesCommand(CLI::App& app, CliContext& context, Action& action);
void addExportCommand(CLI::App& app, CliContext& context, Action& action);
void addClimateCommand(CLI::App& app, CliContext& context, Action& action);

} // namespace korvel::cli
