#include <array>
#include <string_view>

#include "commands.h"

namespace korvel::cli {
namespace {

using AddCommand = void (*)(CLI::App&, CliContext&, Action&);

struct Command {
    std::string_view name;
    AddCommand add;
};

// In the order --help lists them.
constexpr std::array kCommands{
    Command{"calc", addCalcCommand},         Command{"rain", addRainCommand},
    Command{"budget", addBudgetCommand},     Command{"sweep", addSweepCommand},
    Command{"hop", addHopCommands},          Command{"library", addLibraryCommands},
    Command{"optimize", addOptimizeCommand}, Command{"route", addRouteCommands},
    Command{"report", addReportCommands},    Command{"profile", addProfileCommand},
    Command{"sites", addSitesCommand},       Command{"export", addExportCommand},
    Command{"climate", addClimateCommand},
};

// The word the parser takes as the command: the first that is neither an option nor the value
// of --library or --profile (which take the next word whatever it is, also after an empty
// "--library="). Null when that word names no command, or "--" ends the options first.
const Command* commandNamed(std::span<char* const> arguments) {
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view word = arguments[i];
        if (word == "--") {
            return nullptr;
        }
        if (word == "--library" || word == "--profile" || word == "--library=" ||
            word == "--profile=") {
            ++i;
            continue;
        }
        if (word.size() > 1 && word.front() == '-') {
            continue;
        }
        for (const Command& command : kCommands) {
            if (command.name == word) {
                return &command;
            }
        }
        return nullptr;
    }
    return nullptr;
}

} // namespace

void addCommands(CLI::App& app, CliContext& context, Action& action,
                 std::span<char* const> arguments) {
    // Once the parser has taken a command it looks for no other: the rest need not be built.
    if (const Command* named = commandNamed(arguments)) {
        named->add(app, context, action);
        return;
    }
    for (const Command& command : kCommands) {
        command.add(app, context, action);
    }
}

} // namespace korvel::cli
