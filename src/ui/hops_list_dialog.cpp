#include "ui/hops_list_dialog.h"

#include <algorithm>
#include <string>

#include "fields/format_fixed.h"
#include "hopfile/hop_file.h"
#include "platform/text_encoding.h"
#include "route/route_file.h"
#include "route/route_folder.h"
#include "route/route_screen.h"
#include "route/route_standing.h"
#include "route/route_summary.h"
#include "series/route_bars.h"
#include "ui/chart_contents.h"
#include "ui/chart_title_block.h"
#include "ui/hop_sites_files.h"
#include "ui/route_hop_loading.h"
#include "ui/route_method_standing.h"
#include "ui/session.h"

namespace korvel {

namespace {

constexpr int kChosen = 1;

class HopsListDialog final : public DialogEvents {
  public:
    explicit HopsListDialog(Session& session) : session_(session) {}

    void opened(DialogView& view) {
        view_ = &view;
        RouteState& route = session_.route;
        const RouteRecord& record = route.record;
        view.setTitle("Hops : " + record.fileName.str());
        view.clearList(kHopsList);
        judged_ = routeMethodStanding({session_.route, session_.library, session_.methodSources()},
                                      &session_.hop);
        const RouteRecord& stands = judged_.standing.route.record;
        for (int i = 0; i < record.hopCount; ++i) {
            view.addListRow(kHopsList,
                            withHopMethod(hopsListLine(judged_.standing.route, i), judged_, i));
        }
        view.selectRow(kHopsList, route.currentHop);
        view.setText(kRouteOutageLabel, formatFixed(stands.totalOutage, 4));
        view.setText(kRouteObjectiveLabel, formatFixed(stands.objective, 4));
        view.setText(kDesignMarginLabel, formatFixed(designMarginPct(stands), 4));
        // Never "meets" while a hop is missing or stale: the verdict says what the total holds.
        view.setText(kRouteVerdictLabel, judged_.words);
        route.disregardChanges = false;
        view.setChecked(kDisregardChangesTick, false);
    }

    void onCommand(ControlId control) override {
        switch (control) {
        case kDisregardChangesTick:
            session_.route.disregardChanges = !session_.route.disregardChanges;
            view_->setChecked(kDisregardChangesTick, session_.route.disregardChanges);
            break;
        case kOkButton:
            if (switchHop()) {
                view_->endDialog(kChosen);
            }
            break;
        case kCancelButton:
            view_->endDialog(0);
            break;
        case kRouteChartButton:
            // The route the list shows, drawn.
            if (session_.charts != nullptr) {
                session_.charts->showChart(
                    withTitleBlock(routeMethodChart(judged_), session_.titleBlockSources()));
            }
            break;
        default:
            break;
        }
    }

  private:
    bool saveCurrentHopAndRoute() {
        std::filesystem::path& name = session_.app.currentHopFileName;
        Messages& messages = session_.ports.messages;
        std::string shownName = pathToCp1252(name); // emptied when the write fails
        if (!writeHopWithSites(session_.hop, session_.sitesFile(),
                               session_.fileInWorkingFolder(name), shownName)) {
            name.clear();
            return false;
        }
        return writeRouteFile(session_.route, messages);
    }

    bool switchHop() {
        RouteState& route = session_.route;
        const int chosen =
            std::clamp(view_->selectedRow(kHopsList), 0, std::max(route.record.hopCount - 1, 0));
        // A hop that cannot be saved keeps the dialog open rather than losing its changes.
        if (!route.disregardChanges && !saveCurrentHopAndRoute()) {
            return false;
        }
        const int previous = route.currentHop;
        route.currentHop = chosen;
        if (!loadRouteHop(session_)) {
            route.currentHop = previous;
            return false;
        }
        session_.fields.clearWarningsForNewRouteHop();
        return true;
    }

    Session& session_;
    DialogView* view_ = nullptr;
    RouteMethodStanding judged_; // the route as the list shows it
};

} // namespace

bool runHopsListDialog(Session& session) {
    RouteState& route = session.route;
    Messages& messages = session.ports.messages;
    const auto file = fileInRouteFolder(route, route.record.fileName.view());
    if (!file) {
        messages.show("Could not open " + route.record.fileName.str(), kAppCaption,
                      MessageIcon::None);
        return false;
    }
    if (!readRouteFile(route, session.library, *file, messages) ||
        !summarizeRoute(route, session.hop, messages)) {
        return false;
    }
    HopsListDialog dialog(session);
    return session.ports.dialogs.runModal(DialogId::HopsList, dialog, [&](DialogView& view) {
        dialog.opened(view);
    }) == kChosen;
}

} // namespace korvel
