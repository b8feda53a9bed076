// korvel-cli: batch work on hops, routes and the equipment library.

#include <array>
#include <cstdio>
#include <iostream>
#include <span>
#include <unistd.h>

#include "commands.h"
#include "exit_codes.h"
#include "library/library_location.h"

int main(int argc, char** argv) {
    using namespace korvel::cli;
    // Output for a file or a pipe goes out in large pieces: a batch of hops writes megabytes.
    // (The C library takes a size only with a buffer of ours.)
    static std::array<char, std::size_t{64} << 10U> outputBuffer;
    if (::isatty(STDOUT_FILENO) == 0) {
        std::setvbuf(stdout, outputBuffer.data(), _IOFBF, outputBuffer.size());
    }
    CliContext context;
    Action action;

    CLI::App app{"Korvel: microwave radio link planning from the command line", "korvel-cli"};
    // The library --version names is the one found without --library, looked for only when asked.
    app.set_version_flag("--version", [] {
        return std::string("korvel-cli ") + KORVEL_VERSION +
               "\nlibrary: " + korvel::findLibraryFile({}).string();
    });
    app.require_subcommand(1);
    app.footer(kExitCodeTable);
    app.add_option("--library", context.options.libraryFile,
                   "Equipment library (default ./korvel32.lbr, else the installed sample library)");
    app.add_option("--profile", context.options.profileFile,
                   "Profile with the date settings used by reports");
    app.add_flag("--verbose", context.options.verbose, "Say which equipment library is used");

    addCommands(app, context, action, std::span<char* const>(argv, static_cast<std::size_t>(argc)));

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        reportError(std::string(e.what()) + " (see --help)");
        return kExitUnusable;
    }
    if (!action) {
        return kExitUnusable;
    }
    const int status = action();
    // A script reading our output must not take a cut listing for a whole one.
    if (!std::cout.flush()) {
        reportError("cannot write to standard output");
        return kExitUnusable;
    }
    return status;
}
