#include "ui/session.h"

#include <system_error>
#include <utility>

#include "engine/hop_verdict.h"
#include "fields/format_fixed.h"
#include "hopfile/hop_file.h"
#include "library/new_hop.h"
#include "platform/main_window_view.h"
#include "platform/text_encoding.h"
#include "route/route_reset.h"
#include "ui/hop_charts.h"
#include "ui/results_shown.h"

namespace korvel {

namespace {

constexpr std::string_view kUntitled = "(untitled)";
constexpr std::string_view kStatusSeparator = "  |  ";

} // namespace

Session::Session(SessionPorts sessionPorts, std::string libraryFile)
    : modalRuns(sessionPorts.window), countedDialogs_(sessionPorts.dialogs, modalRuns),
      countedMessages_(sessionPorts.messages, modalRuns),
      countedFiles_(sessionPorts.files, modalRuns), ports{countedMessages_,
                                                          countedFiles_,
                                                          countedDialogs_,
                                                          sessionPorts.window,
                                                          sessionPorts.profile,
                                                          sessionPorts.printers},
      libraryPath(std::move(libraryFile)) {
    std::error_code unknown;
    app.workingFolder = std::filesystem::current_path(unknown);
}

MethodSources Session::methodSources() {
    return {sites, climateMaps, ports.messages};
}

ResultsDisplay Session::resultsDisplay() {
    return {hop, resultsBasis, resultsWindow, methodsView, methodSources()};
}

MethodsTableParts Session::methodsTable() {
    return {sites,
            climateMaps,
            ports.files,
            ports.messages,
            busyWork,
            [this] { updateStatus(); },
            [this] { refreshMethodsAndVerdict(resultsDisplay()); }};
}

SitesFileParts Session::sitesFile() {
    return {sites, sitesOnDisk, ports.messages};
}

TitleBlockSources Session::titleBlockSources() const {
    return {hop, sites, route, app, dateSettings};
}

HopChartsParts Session::hopCharts() {
    return {charts, resultsBasis, methodSources(), titleBlockSources()};
}

void Session::resetHopAndRoute() {
    resetHopState(hop, library);
    sites = {};
    sitesOnDisk = {};
    fields.resetForNew();
    resetRoute(route, library, app.workingFolder);
    resultsBasis = {};
    markHopSaved();
    routeEdited_ = false;
}

void Session::markHopSaved() {
    savedHop_ = hopFileImage(hop);
    pageEdited_ = false;
}

void Session::markRouteSaved() {
    routeEdited_ = false;
    updateStatus();
}

void Session::noteEdit() {
    // The hop box shows on the route screen's number: both edit the route.
    if (app.currentPageId == kRouteScreenId) {
        routeEdited_ = true;
    } else if (app.currentPageId != kStartPanelId) {
        pageEdited_ = true;
    }
}

void Session::notePageStored() {
    pageEdited_ = false;
}

bool Session::hopModified() const {
    if (app.currentHopFileName.empty()) {
        // A hop never saved is unsaved as a whole from the moment a page edits it.
        return app.currentPageId != kStartPanelId && app.currentPageId != kRouteScreenId;
    }
    return pageEdited_ || hopFileImage(hop) != savedHop_ || hopSitesChanged(sites, sitesOnDisk);
}

bool Session::routeModified() const {
    return routeEdited_;
}

bool Session::modified() const {
    return hopModified() || routeModified();
}

void Session::updateStatus() {
    ports.window.setStatus(statusText());
    ports.window.setModified(modified());
}

std::string Session::statusText() const {
    // UTF-8: the hop's file name as the platform has it; the texts kept in Windows-1252 converted.
    std::string hopName =
        app.currentHopFileName.empty() ? std::string(kUntitled) : app.currentHopFileName.string();
    std::string text;
    if (app.currentPageId == kStartPanelId) {
        text = "No hop";
    } else if (app.currentPageId == kRouteScreenId || route.routeHopActive) {
        const std::string routeName = route.record.fileName.empty()
                                          ? std::string(kUntitled)
                                          : cp1252ToUtf8(route.record.fileName.str());
        text = "Route: " + routeName;
        if (route.routeHopActive) {
            text += ", hop " + hopName;
        }
    } else {
        text = "Hop: " + hopName;
    }
    text +=
        std::string(kStatusSeparator) + "Library: " + cp1252ToUtf8(library.identification.str());
    // The Radio page shows the frequency of the radio chosen on it, which the hop takes only when
    // the page is left: the status would contradict it there.
    const int page = app.currentPageId;
    if (page == kBasicsPageId || page == kFormPageId) {
        text += std::string(kStatusSeparator) + formatFixed(hop.record.frequencyGHz, 3) + " GHz";
    }
    if (modified()) {
        text += std::string(kStatusSeparator) + "Unsaved changes";
    }
    return text;
}

void Session::updateTitle() {
    std::string title(kAppCaption);
    title += " - ";
    if (app.currentPageId == kRouteScreenId) {
        // The route screen edits the route: its file names the window.
        title += route.record.fileName.empty() ? std::string(kUntitled)
                                               : cp1252ToUtf8(route.record.fileName.str());
    } else {
        title += app.currentHopFileName.empty() ? std::string(kUntitled)
                                                : app.currentHopFileName.filename().string();
    }
    ports.window.setTitle(title);
    updateStatus();
}

void Session::refreshMenu() {
    MainWindowView& window = ports.window;
    window.setMenuEnabled(Command::New, app.menu.newHop);
    window.setMenuEnabled(Command::Save, app.menu.save);
    window.setMenuEnabled(Command::SaveAs, app.menu.save);
    window.setMenuEnabled(Command::RadioPage, app.menu.radios);
    window.setMenuEnabled(Command::BasicsPage, app.menu.basics);
    window.setMenuEnabled(Command::FormPage, app.menu.form);
    window.setMenuEnabled(Command::ViewHops, app.menu.viewHops);
    window.setMenuEnabled(Command::Print, somethingToPrint());
    // The hop's charts serve from the Basics page (through the Form page) and the Form page.
    const bool hopCharts = app.currentPageId == kBasicsPageId || app.currentPageId == kFormPageId;
    for (const Command chart :
         {Command::BudgetChart, Command::OutageChart, Command::Sweep, Command::Profile}) {
        window.setMenuEnabled(chart, hopCharts);
    }
    // The route's bars need a route with hops: on the route screen or while one of its hops is
    // edited.
    const bool routeShown = app.currentPageId == kRouteScreenId || route.routeHopActive;
    window.setMenuEnabled(Command::RouteChart, routeShown && route.record.hopCount > 0);
    window.setMenuEnabled(Command::ExportKml, app.currentPageId != kStartPanelId);
    window.setMenuEnabled(Command::ExportGeoJson, app.currentPageId != kStartPanelId);
    window.setMenuChecked(Command::RadioPage, app.currentPageId == kRadioPageId);
    window.setMenuChecked(Command::BasicsPage, app.currentPageId == kBasicsPageId);
    window.setMenuChecked(Command::FormPage, app.currentPageId == kFormPageId);
    updateStatus();
}

bool Session::somethingToPrint() const {
    const bool routeShown = app.currentPageId == kRouteScreenId || app.menu.viewHops;
    return hasResults(hop.results) || (routeShown && route.record.hopCount > 0);
}

std::string Session::reportDateStamp() const {
    return formatDateStamp(dateSettings, reportToday());
}

std::filesystem::path Session::fileInWorkingFolder(const std::filesystem::path& file) const {
    return inWorkingFolder(app, file);
}

} // namespace korvel
