// korvel-cli report hop HOPFILE --lang en|fr --format text|tsv|pdf --output FILE [--force]
//                       [--methods LIST [--dN1 V ...]]
// korvel-cli report route ROUTEFILE --lang en|fr --format text|tsv|pdf --output FILE [--force]

#include <filesystem>
#include <optional>
#include <string>

#include "calculation_output.h"
#include "cli_files.h"
#include "commands.h"
#include "exit_codes.h"
#include "hopfile/hop_preparation.h"
#include "methods_output.h"
#include "platform/file_read.h"
#include "platform/ini_profile.h"
#include "platform/text_encoding.h"
#include "report/date_stamp.h"
#include "report/report_file.h"
#include "route/route_hop_status.h"
#include "route_loading.h"

namespace korvel::cli {
namespace {

struct ReportJob {
    std::string input;
    std::string language = "en";
    std::string format = "text";
    std::string output;
    bool force = false;
    MethodsOptions methods; // hop reports only
};

ReportLanguage languageOf(const ReportJob& job) {
    return job.language == "fr" ? ReportLanguage::French : ReportLanguage::English;
}

ReportForm formOf(const ReportJob& job) {
    if (job.format == "pdf") {
        return ReportForm::Pdf;
    }
    return job.format == "tsv" ? ReportForm::Delimited : ReportForm::Text;
}

// Today's date in the order and with the separator of the user's profile.
std::string dateStamp(const CliContext& context) {
    std::optional<std::filesystem::path> explicitProfile;
    if (!context.options.profileFile.empty()) {
        explicitProfile = context.options.profileFile;
    }
    const auto profile = openUserProfile(explicitProfile);
    return formatDateStamp(readDateSettings(*profile, DateSettings{}), reportToday());
}

// A profile named on purpose (--profile, $KORVEL_PROFILE) must be readable: silently taking the
// locale's date order instead would print dates the planner did not ask for.
bool namedProfileReadable(const CliContext& context) {
    const std::optional<std::string> named = context.options.profileFile.empty()
                                                 ? processEnvironment("KORVEL_PROFILE")
                                                 : context.options.profileFile;
    if (named && !named->empty() && !readRegularFile(*named, 0, BeyondLimit::Ignore)) {
        reportError(*named + ": cannot read (the profile)");
        return false;
    }
    return true;
}

int runHopReport(CliContext& context, const ReportJob& job) {
    if (!outputAllowed(job.output, job.force) || !namedProfileReadable(context) ||
        !context.loadLibrary()) {
        return kExitUnusable;
    }
    // The report prints the results stored in the file, as the program prints what is stored.
    HopState hop;
    if (!context.readHop(job.input, hop)) {
        return kExitUnusable;
    }
    commitFeederPosition(hop, context.library);
    if (hopFileResultsState(job.input, context.library) == StoredResultsState::OutOfDate) {
        warnResultsOutOfDate(job.input);
    }
    // The report is Windows-1252: the name's other characters are marked "?".
    const std::string hopFileName = pathToCp1252(std::filesystem::path(job.input).filename());
    // The section of the current methods reads the same stored results as the report.
    std::array<itu::MethodResult, 3> columns;
    std::vector<const itu::MethodResult*> methods;
    if (job.methods.wanted()) {
        columns = methodColumns(hop, job.input, job.methods);
        methods = job.methods.chosen(columns);
    }
    if (!writeHopReportFile(job.output, formOf(job), hop, context.library, languageOf(job),
                            hopFileName, dateStamp(context), context.messages, methods)) {
        reportError(job.output + ": " + kCannotWrite);
        return kExitUnusable;
    }
    return kExitOk;
}

int runRouteReport(CliContext& context, const ReportJob& job) {
    if (!outputAllowed(job.output, job.force) || !namedProfileReadable(context) ||
        !context.loadLibrary()) {
        return kExitUnusable;
    }
    RouteState route;
    HopMarks unreadable{};
    HopImages images{};
    if (!openRouteForCommand(context, job.input, route, unreadable, &images)) {
        return kExitUnusable;
    }
    warnOutOfDateHops(job.input, route, routeHopStatuses(route, context.library, images));
    if (!writeRouteReportFile(job.output, formOf(job), route, languageOf(job),
                              context.library.identification.view(), dateStamp(context),
                              context.messages)) {
        reportError(job.output + ": " + kCannotWrite);
        return kExitUnusable;
    }
    return markedHopCount(unreadable) == 0 ? kExitOk : kExitUnusable;
}

void addReportOptions(CLI::App* command, ReportJob& job, const char* inputName,
                      const char* inputHelp) {
    command->add_option(inputName, job.input, inputHelp)->required();
    command->add_option("--lang", job.language, "Report language: en or fr")
        ->check(CLI::IsMember({"en", "fr"}));
    command
        ->add_option("--format", job.format,
                     "text (plain), tsv (tab-delimited) or pdf (the printed page)")
        ->check(CLI::IsMember({"text", "tsv", "pdf"}));
    command->add_option("--output", job.output, "Report file to write")
        ->required()
        ->check(kOutputFileName);
    command->add_flag("--force", job.force, "Replace an existing report file");
}

} // namespace

void addReportCommands(CLI::App& app, CliContext& context, Action& action) {
    CLI::App* report = app.add_subcommand("report", "Write a hop report or a route outage table");
    report->require_subcommand(1);

    auto hop = std::make_shared<ReportJob>();
    CLI::App* hopCommand = report->add_subcommand("hop", "Hop performance report");
    addReportOptions(hopCommand, *hop, "HOPFILE", "Hop file");
    addMethodsOptions(hopCommand, hop->methods);
    hopCommand->callback([&context, &action, hop] {
        action = [&context, hop] { return runHopReport(context, *hop); };
    });

    auto route = std::make_shared<ReportJob>();
    CLI::App* routeCommand = report->add_subcommand("route", "Route outage table");
    addReportOptions(routeCommand, *route, "ROUTEFILE", "Route file");
    routeCommand->callback([&context, &action, route] {
        action = [&context, route] { return runRouteReport(context, *route); };
    });
}

} // namespace korvel::cli
