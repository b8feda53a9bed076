// korvel-cli rain HOPFILE --rate R [--polarization vertical|horizontal] [--json] [--save]

#include <charconv>
#include <iostream>
#include <optional>
#include <string>

#include "calculation_output.h"
#include "commands.h"
#include "engine/rain.h"
#include "exit_codes.h"
#include "hopfile/hop_file.h"
#include "json_writer.h"
#include "fields/format_fixed.h"
#include "fields/numeric_entry.h"

namespace korvel::cli {
namespace {

struct RainJob {
    std::string file;
    std::string rateText;
    std::string polarization; // empty: the hop's own
    bool json = false;
    bool save = false;
};

// The rain dialog's reading of the rate: a number within the normal limits (a value outside
// them is noted and accepted), then a whole number. Empty when refused (the user was told).
std::optional<std::int16_t> readRainRate(const std::string& text, Messages& messages) {
    NumericEntryState entry;
    entry.beginReading();
    readLimitedNumber(entry, text, LimitedField::RainRate);
    if (!entry.allFieldsValid()) {
        messages.show("Invalid data : Rain rate", "Error!", MessageIcon::None);
        return std::nullopt;
    }
    if (!entry.allFieldsInRange()) {
        messages.show("Values out of normal limits : Rainrate", "Note!", MessageIcon::None,
                      MessageButtons::OkCancel);
    }
    unsigned rate = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, rate);
    if (text.empty() || error != std::errc{} || stop != end || rate > 32767) {
        messages.show("Rainrate must be a positive integer.", "Error!", MessageIcon::Warning);
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rate);
}

int runRain(CliContext& context, const RainJob& job) {
    HopState hop;
    if (!context.loadHop(job.file, hop)) {
        return kExitUnusable;
    }
    const CalculationOutcome outcome = calculateHop(hop);
    if (!producedResults(outcome.status)) {
        printCalculation(std::cerr, hop, outcome);
        return kExitStopped;
    }
    if (hop.record.frequencyGHz < 6) {
        context.messages.show(
            "Current formulas for rain attenuation do not support frequencies below 6 GHz.",
            kAppCaption, MessageIcon::Information);
        return kExitUnusable;
    }
    const auto rate = readRainRate(job.rateText, context.messages);
    if (!rate) {
        return kExitUnusable;
    }
    Polarization polarization = hop.record.polarization;
    if (job.polarization == "vertical") {
        polarization = Polarization::Vertical;
    } else if (job.polarization == "horizontal") {
        polarization = Polarization::Horizontal;
    }
    const RainOutage rain = rainOutage(hop.record.frequencyGHz, hop.record.hopLengthKm,
                                       hop.results.M, *rate, polarization);
    if (job.json) {
        JsonWriter json;
        json.beginObject();
        json.key("status").integer(static_cast<int>(outcome.status));
        json.key("annualPct").number(rain.annualPct);
        json.key("worstMonthPct").number(rain.worstMonthPct);
        json.endObject();
        std::cout << json.str() << '\n';
    } else {
        std::cout << "Annual unavailability  : " << formatFixed(rain.annualPct, 4) << " %\n"
                  << "(Worst month percentage : " << formatFixed(rain.worstMonthPct, 4) << " % )\n";
    }
    if (job.save) {
        hop.record.polarization = polarization;
        hop.record.rainRateMmH = *rate;
        hop.results.rainWorstMonthPct = rain.worstMonthPct;
        hop.results.rainAnnualPct = rain.annualPct;
        std::string currentName = job.file;
        if (!writeHopFile(hop, job.file, currentName, context.messages)) {
            reportError(job.file + ": the rain results could not be saved");
            return kExitUnusable;
        }
    }
    return kExitOk;
}

} // namespace

void addRainCommand(CLI::App& app, CliContext& context, Action& action) {
    auto job = std::make_shared<RainJob>();
    CLI::App* command =
        app.add_subcommand("rain", "Calculate a hop, then its unavailability due to rain");
    command->add_option("HOPFILE", job->file, "Hop file")->required();
    command->add_option("--rate", job->rateText, "Rain rate exceeded for 0.01 % of the time, mm/h")
        ->required();
    command->add_option("--polarization", job->polarization, "vertical or horizontal")
        ->check(CLI::IsMember({"vertical", "horizontal"}));
    command->add_flag("--json", job->json, "Print one JSON object");
    command->add_flag("--save", job->save, "Store rate, polarization and results in the hop file");
    command->callback(
        [&context, &action, job] { action = [&context, job] { return runRain(context, *job); }; });
}

} // namespace korvel::cli
