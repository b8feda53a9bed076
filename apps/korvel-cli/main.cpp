// korvel-cli: batch work on hops, routes and the equipment library.

#include <iostream>

#include "commands.h"
#include "exit_codes.h"

int main(int argc, char** argv) {
    using namespace korvel::cli;
    CliContext context;
    Action action;

    CLI::App app{"Korvel: microwave radio link planning from the command line", "korvel-cli"};
    app.set_version_flag("--version", std::string("korvel-cli ") + KORVEL_VERSION);
    app.require_subcommand(1);
    app.add_option("--library", context.options.libraryFile,
                   "Equipment library (default ./korvel32.lbr, else the installed sample library)");
    app.add_option("--profile", context.options.profileFile,
                   "Profile with the date settings used by reports");

    addCalcCommand(app, context, action);
    addRainCommand(app, context, action);
    addHopCommands(app, context, action);
    addLibraryCommands(app, context, action);
    addOptimizeCommand(app, context, action);
    addRouteCommands(app, context, action);
    addReportCommands(app, context, action);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kExitUnusable;
    }
    return action ? action() : kExitUnusable;
}
