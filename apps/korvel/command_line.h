#pragma once
// The desktop program's command line:
//   korvel [--library FILE] [--profile FILE] [--play SCENARIO [--transcript FILE]] [HOPFILE]

#include <optional>
#include <string>

namespace korvel {

struct DesktopOptions {
    std::string libraryFile; // empty: korvel32.lbr here, else the installed sample library
    std::string profileFile; // empty: the usual profile search
    std::string hopFile;     // opened as MODIFY OLD HOP does, or a .ROU as MODIFY OLD ROUTE
    std::string scenario;    // played instead of waiting for the user
    std::string transcript;  // where the scenario's transcript goes; empty: standard output
};

// Fills the options; an exit status when the program should end at once (--help, --version, a
// wrong command line). `qtOptionsLeft`: the toolkit has not taken its own options out yet, so
// unknown ones are let through.
std::optional<int> parseCommandLine(int argc, char** argv, DesktopOptions& options,
                                    bool qtOptionsLeft = false);

// True when the command line asks for --help or --version, which need no display.
bool asksForHelpOrVersion(int argc, char** argv);

} // namespace korvel
