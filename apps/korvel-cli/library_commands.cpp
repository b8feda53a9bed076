// korvel-cli library build SOURCE.json --output korvel32.lbr [--force]
// korvel-cli library show FILE [--json]

#include <algorithm>
#include <iostream>
#include <iterator>
#include <string>

#include "cli_files.h"
#include "commands.h"
#include "exit_codes.h"
#include "library/library_file.h"
#include "library/library_json.h"
#include "platform/text_encoding.h"

namespace korvel::cli {
namespace {

struct BuildJob {
    std::string source;
    std::string output;
    bool force = false;
};

struct LibraryShowJob {
    std::string file;
    bool json = false;
};

int runBuild(const BuildJob& job) {
    const auto document = readInputFile(job.source);
    if (!document) {
        return kExitUnusable;
    }
    const LibraryFromJson parsed = libraryFromJson(*document);
    if (!parsed.library) {
        reportError(job.source + ": " + parsed.error);
        return kExitUnusable;
    }
    return writeOutputFile(job.output, libraryImage(*parsed.library), job.force) ? kExitOk
                                                                                 : kExitUnusable;
}

// A short overview for a planner; --json gives every field.
void printListing(std::ostream& out, const EquipmentLibrary& library) {
    out << "Library: " << cp1252ToUtf8(library.identification.view()) << '\n';
    out << "Radios (" << library.radioCount() << "):\n";
    for (const RadioEntry& radio : library.radios) {
        out << "  " << cp1252ToUtf8(radio.name.view()) << "  " << radio.frequencyGHz << " GHz  "
            << radio.bitRateMbps << " Mbit/s\n";
    }
    const std::pair<const char*, AntennaType> types[] = {{"Parab solid", AntennaType::ParabSolid},
                                                         {"Parab grid", AntennaType::ParabGrid}};
    for (const auto& [name, type] : types) {
        out << name << " diameters (m):";
        const AntennaTable& table = library.antennaTable(type);
        for (int i = 0; i < library.diameterCountOf(type); ++i) {
            out << ' ' << table.diameterM[static_cast<std::size_t>(i)];
        }
        out << '\n';
    }
    out << "Feeder tables (" << library.feederTableCount() << "):\n";
    for (std::size_t t = 0; t < library.feederTables.size(); ++t) {
        const FeederTable& table = library.feederTables[t];
        // A coax table holds a row per frequency; a waveguide table one frequency.
        const bool coax = t < 3;
        const int tableIndex = static_cast<int>(t);
        const auto frequencies =
            static_cast<std::size_t>(coax ? std::max(1, library.frequencyCountOf(tableIndex)) : 1);
        out << "  " << t << ": ";
        for (std::size_t f = 0; f < frequencies; ++f) {
            out << (f ? " " : "") << table.frequencyGHz[f];
        }
        out << " GHz" << (coax ? " (coax)" : "") << ':';
        for (int c = 0; c < library.feederTypeCount[t]; ++c) {
            out << ' ' << cp1252ToUtf8(table.typeName[static_cast<std::size_t>(c)].view());
        }
        out << '\n';
    }
}

int runLibraryShow(CliContext& context, const LibraryShowJob& job) {
    EquipmentLibrary library;
    if (!readLibraryFile(job.file, library, context.messages)) {
        return kExitUnusable;
    }
    if (job.json) {
        std::cout << libraryToJson(library) << '\n';
    } else {
        printListing(std::cout, library);
    }
    return kExitOk;
}

} // namespace

void addLibraryCommands(CLI::App& app, CliContext& context, Action& action) {
    CLI::App* library = app.add_subcommand("library", "Build or show an equipment library");
    library->require_subcommand(1);

    auto build = std::make_shared<BuildJob>();
    CLI::App* buildCommand =
        library->add_subcommand("build", "Build a library file from its JSON source");
    buildCommand->add_option("SOURCE", build->source, "Library source (JSON)")->required();
    buildCommand->add_option("--output", build->output, "Library file to write")
        ->required()
        ->check(kOutputFileName);
    buildCommand->add_flag("--force", build->force, "Replace an existing file");
    buildCommand->callback([&action, build] { action = [build] { return runBuild(*build); }; });

    auto show = std::make_shared<LibraryShowJob>();
    CLI::App* showCommand = library->add_subcommand("show", "Print a library file");
    showCommand->add_option("FILE", show->file, "Library file")->required();
    showCommand->add_flag("--json", show->json, "Print the JSON source of the library");
    showCommand->callback([&context, &action, show] {
        action = [&context, show] { return runLibraryShow(context, *show); };
    });
}

} // namespace korvel::cli
