// korvel-cli rain HOPFILE --rate R [--polarization vertical|horizontal] [--json] [--save]

#include <iostream>
#include <optional>
#include <string>

#include "calculation_output.h"
#include "commands.h"
#include "engine/number_text.h"
#include "engine/rain.h"
#include "exit_codes.h"
#include "fields/format_fixed.h"
#include "hopfile/rain_dialog_rules.h"
#include "json_writer.h"

namespace korvel::cli {
namespace {

struct RainJob {
    std::string file;
    std::string rateText;
    std::string polarization; // empty: the hop's own
    bool json = false;
    bool save = false;
};

// The list dialog on a console: its title as the caption, the heading and the names as the text,
// answered with OK when OK is offered.
bool printFieldList(const FieldListNotice& notice, Messages& messages) {
    std::string text(notice.heading);
    for (const auto name : notice.names) {
        text += name;
    }
    const auto buttons = notice.okEnabled ? MessageButtons::OkCancel : MessageButtons::Ok;
    return messages.show(text, notice.title, MessageIcon::None, buttons) == MessageAnswer::Ok &&
           notice.okEnabled;
}

int runRain(CliContext& context, const RainJob& job) {
    HopState hop;
    if (const int status = context.loadHop(job.file, hop); status != kExitOk) {
        return status;
    }
    const CalculationOutcome outcome = calculateHop(hop);
    if (!producedResults(outcome.status)) {
        printCalculation(std::cerr, hop, outcome);
        return kExitStopped;
    }
    if (!resultsAreFinite(hop.results)) {
        reportError(job.file + kNotFiniteText);
        return kExitStopped;
    }
    if (!rainDialogOffered(hop.record, context.messages)) {
        reportError(job.file + ": the rain calculation is refused");
        return kExitRefused;
    }
    NumericEntryState entry;
    const auto rate = readRainRate(
        job.rateText, entry,
        [&context](const FieldListNotice& notice) {
            return printFieldList(notice, context.messages);
        },
        context.messages);
    if (!rate) {
        reportError("--rate " + job.rateText + ": the rain rate is a whole number from 0 to " +
                    formatNumbers("%.0f", kMaxRainRateMmH) + " mm/h");
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
        storeRainResult(hop, {polarization, *rate, rain});
        if (!context.saveHop(job.file, hop)) {
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
