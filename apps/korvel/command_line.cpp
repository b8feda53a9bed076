#include "command_line.h"

#include <string_view>

#include <CLI/CLI.hpp>

namespace korvel {

bool asksForHelpOrVersion(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "--help" || word == "-h" || word == "--version") {
            return true;
        }
    }
    return false;
}

std::optional<int> parseCommandLine(int argc, char** argv, DesktopOptions& options,
                                    bool qtOptionsLeft) {
    CLI::App app{"Korvel: planning of digital microwave radio links", "korvel"};
    app.set_version_flag("--version", std::string("korvel ") + KORVEL_VERSION);
    app.add_option("--library", options.libraryFile,
                   "Equipment library (default ./korvel32.lbr, else the installed sample library)");
    app.add_option("--profile", options.profileFile,
                   "Profile with the date settings used by reports");
    auto* play = app.add_option("--play", options.scenario,
                                "Play a scenario file (see docs/scenarios.md) and end");
    app.add_option("--transcript", options.transcript,
                   "Where the scenario's transcript goes (default: standard output)")
        ->needs(play);
    app.add_option("HOPFILE", options.hopFile, "Hop or route file to open at start");
    app.allow_extras(qtOptionsLeft);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error);
    }
    return std::nullopt;
}

} // namespace korvel
