// korvel-cli hop show HOPFILE [--json]
// korvel-cli hop new --from HOP.json --output FILE.HOP [--force]

#include <iostream>
#include <string>
#include <vector>

#include "cli_files.h"
#include "commands.h"
#include "exit_codes.h"
#include "hop_json.h"
#include "hopfile/hop_fields.h"
#include "hopfile/hop_file.h"
#include "hopfile/page_rules.h"
#include "library/new_hop.h"
#include "platform/text_encoding.h"
#include "route/route_hop_status.h"

namespace korvel::cli {
namespace {

struct HopShowJob {
    std::string file;
    bool json = false;
};

struct HopNewJob {
    std::string from;
    std::string output;
    bool force = false;
};

// Plain listing: one "name = value" line per field.
struct PrintField {
    std::ostream& out;
    template <typename T> void operator()(const HopField& field, const T& value) const {
        out << "  " << field.name << " = ";
        if constexpr (requires { value.view(); }) {
            out << '"' << cp1252ToUtf8(value.view()) << '"';
        } else if constexpr (requires { value.size(); }) {
            for (std::size_t i = 0; i < value.size(); ++i) {
                out << (i ? " " : "") << value[i];
            }
        } else if constexpr (std::is_enum_v<T>) {
            out << static_cast<int>(value);
        } else {
            out << value;
        }
        out << '\n';
    }
};

int runHopShow(CliContext& context, const HopShowJob& job) {
    const auto stored = readStoredHop(job.file);
    if (!stored) {
        return kExitUnusable;
    }
    const StoredHop& hop = *stored;
    const int version = static_cast<int>(hop.version);
    if (job.json) {
        JsonWriter json;
        json.beginObject().key("version").integer(version);
        json.key("selection");
        writeSelectionJson(json, hop.selection);
        json.key("record");
        writeRecordJson(json, hop.record);
        json.key("results");
        writeResultsJson(json, hop.results);
        // Whether the stored results are what the hop's data gives now (false for none, or a
        // hop the library cannot calculate); null when no library tells.
        json.key("resultsCurrent");
        if (context.loadLibrary()) {
            json.boolean(hopFileResultsState(job.file, context.library) ==
                         StoredResultsState::Current);
        } else {
            json.null();
        }
        json.endObject();
        std::cout << json.str() << '\n';
        return kExitOk;
    }
    std::cout << job.file << " (version " << version << ")\nselection:\n";
    visitStoredSelectionFields(hop.selection, PrintField{std::cout});
    std::cout << "record:\n";
    visitRecordFields(hop.record, PrintField{std::cout});
    std::cout << "results:\n";
    visitResultFields(hop.results, PrintField{std::cout});
    return kExitOk;
}

int runHopNew(CliContext& context, const HopNewJob& job) {
    const auto document = readInputFile(job.from);
    if (!document) {
        return kExitUnusable;
    }
    HopState hop;
    // The New defaults take the first radio's choices from the library when one is at hand.
    EquipmentLibrary noLibrary;
    resetHopState(hop, context.loadLibrary() ? context.library : noLibrary);
    if (const std::string error = readHopJson(*document, hop); !error.empty()) {
        reportError(job.from + ": " + error);
        return kExitUnusable;
    }
    if (const auto field = pageRefusal(hop, context.messages)) {
        reportError(job.from + ": record." + std::string(*field) + " is refused");
        return kExitRefused;
    }
    return writeOutputFile(job.output, hopFileImage(hop), job.force) ? kExitOk : kExitUnusable;
}

} // namespace

void addHopCommands(CLI::App& app, CliContext& context, Action& action) {
    CLI::App* hop = app.add_subcommand("hop", "Show or create hop files");
    hop->require_subcommand(1);

    auto show = std::make_shared<HopShowJob>();
    CLI::App* showCommand = hop->add_subcommand("show", "Print every stored field of a hop file");
    showCommand->add_option("HOPFILE", show->file, "Hop file")->required();
    showCommand->add_flag("--json", show->json, "Print one JSON object");
    showCommand->callback([&context, &action, show] {
        action = [&context, show] { return runHopShow(context, *show); };
    });

    auto create = std::make_shared<HopNewJob>();
    CLI::App* newCommand = hop->add_subcommand("new", "Create a hop file from JSON");
    newCommand->add_option("--from", create->from, "JSON with record, results and selection")
        ->required();
    newCommand->add_option("--output", create->output, "Hop file to create")
        ->required()
        ->check(kOutputFileName);
    newCommand->add_flag("--force", create->force, "Replace an existing file");
    newCommand->callback([&context, &action, create] {
        action = [&context, create] { return runHopNew(context, *create); };
    });
}

} // namespace korvel::cli
