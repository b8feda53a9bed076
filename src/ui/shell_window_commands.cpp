// The shell's commands that open a window on the hop or the route (its charts, profile and
// sites), export its map or print its report, from whichever page the planner is on.
#include "ui/shell.h"

#include <optional>

#include "platform/chart_view.h"
#include "route/route_summary.h"
#include "ui/chart_title_block.h"
#include "ui/form_registry.h"
#include "ui/map_export_command.h"
#include "ui/page.h"
#include "ui/print_job.h"
#include "ui/print_options_dialog.h"
#include "ui/route_method_standing.h"
#include "ui/session.h"
#include "ui/sites_dialog.h"

namespace korvel {

void Shell::formChart(Command command) {
    // From the Basics page the Form page opens first, as for the profile.
    if (session_.app.currentPageId == kBasicsPageId) {
        switchPage(Command::FormPage);
        if (session_.app.currentPageId == kBasicsPageId) {
            return; // the page refused to be left and has said why
        }
    }
    if (session_.app.currentPageId != kFormPageId || !page_) {
        session_.ports.messages.show("The hop's charts open from the Form page.", kAppCaption,
                                     MessageIcon::Information);
        return;
    }
    page_->onMenuCommand(command);
}

void Shell::exportMap(MapFormat format) {
    const int page = session_.app.currentPageId;
    if (page == kStartPanelId) {
        session_.ports.messages.show("Open a hop or a route to export it.", kAppCaption,
                                     MessageIcon::Information);
        return;
    }
    // The page's edits count, as for Save; a refused page has said why.
    if (!pageAccepts(true)) {
        return;
    }
    if (page == kRouteScreenId || session_.route.routeHopActive) {
        exportRouteMap(session_, format);
    } else {
        exportHopMap(session_, format);
    }
}

void Shell::profile() {
    // From the Basics page the Form page opens first: Apply goes through its checks.
    if (session_.app.currentPageId == kBasicsPageId) {
        switchPage(Command::FormPage);
    }
    if (session_.app.currentPageId != kFormPageId || !page_) {
        session_.ports.messages.show("The path profile opens from the Basics and Form pages.",
                                     kAppCaption, MessageIcon::Information);
        return;
    }
    page_->onMenuCommand(Command::Profile);
}

void Shell::sites() {
    const int page = session_.app.currentPageId;
    if (page != kRadioPageId && page != kBasicsPageId && page != kFormPageId) {
        session_.ports.messages.show("Sites belong to a hop: open a hop, or one of the route's "
                                     "with HopCalc, to set where its stations stand.",
                                     kAppCaption, MessageIcon::Information);
        return;
    }
    // The question compares the sites with the hop as the page shows it.
    if (!pageAccepts(true)) {
        return;
    }
    bool kept = false;
    {
        const PageDisabled disabled(pageView_);
        kept = runSitesDialog({session_.hop.record, session_.sites, session_.ports.dialogs,
                               session_.ports.messages, session_.ports.profile});
        if (kept) {
            session_.updateStatus();
        }
    }
    if (kept && page == kBasicsPageId) {
        destroyPage();
        openPage(makePage(Command::BasicsPage, session_));
    } else if (kept && page == kFormPageId && page_) {
        page_->onMenuCommand(Command::Sites);
    }
}

void Shell::routeChart() {
    RouteState& route = session_.route;
    if (session_.charts == nullptr) {
        return;
    }
    if (route.record.hopCount <= 0) {
        session_.ports.messages.show("The route has no hops to chart.", kAppCaption,
                                     MessageIcon::Information);
        return;
    }
    // As the Hops list sums it: the hop being edited counts with its latest calculation.
    const bool summed = route.routeHopActive
                            ? summarizeRoute(route, session_.hop, session_.ports.messages)
                            : summarizeOpenedRoute(route, session_.ports.messages);
    if (summed) {
        session_.charts->showChart(
            withTitleBlock(routeMethodChart(routeMethodStanding(
                               {route, session_.library, session_.methodSources()},
                               route.routeHopActive ? &session_.hop : nullptr)),
                           session_.titleBlockSources()));
    }
}

void Shell::print() {
    // The report is made from the hop and the route: what the page shows but has not stored yet
    // goes in first, as Save stores it. A page that refuses has said why; nothing is printed.
    if (!pageAccepts(true)) {
        return;
    }
    std::optional<PrintRequest> request;
    {
        const PageDisabled disabled(pageView_);
        request = runPrintOptionsDialog(session_);
    }
    if (request && printReport(session_, pageView_, *request) == kPrintFailed) {
        Messages& messages = session_.ports.messages;
        messages.beep();
        messages.show("Cannot print", kAppCaption, MessageIcon::Warning, MessageButtons::Ok);
    }
}

} // namespace korvel
