#include "ui/hop_box_page.h"

#include <array>

#include "geo/sites_file.h"
#include "route/objective_division.h"
#include "route/route_folder.h"
#include "ui/session.h"
#include "ui/site_question.h"
#include "ui/text_fit_refusal.h"

namespace korvel {

namespace {

constexpr int kHopFileNameLimit = 250;
constexpr std::array<NamedTextField, 2> kStationFields{{
    {kHopStation1Field, "Station 1"},
    {kHopStation2Field, "Station 2"},
}};

// The hop file just read into the current slot may have sites that give another length: asked as
// on Open, the length being the one value of theirs the route keeps. True when the slot took it.
bool slotTookSiteLength(Session& session) {
    RouteState& route = session.route;
    const auto index = static_cast<std::size_t>(route.currentHop);
    const auto file = fileInRouteFolder(route, route.record.hopFile[index].view());
    const SitesRead read = file ? loadSites(*file) : SitesRead{};
    const auto offers =
        read.status == SitesReadStatus::Read ? siteOffers(read.sites) : std::nullopt;
    if (!offers) {
        return false; // an unusable sites file is said when the hop opens
    }
    HopRecord slotHop;
    slotHop.hopLengthKm = route.slots[index].lengthKm;
    SiteDifferences differences = siteDifferences(*offers, slotHop);
    differences.latitude = differences.longitude = differences.heights = false;
    if (!siteValuesTaken(session.ports.messages, differences, slotHop)) {
        return false;
    }
    route.slots[index].lengthKm = differences.lengthKm;
    applyDivision(route);
    return true;
}

} // namespace

void HopBoxPage::open(DialogView& view) {
    view_ = &view;
    view.setTextLimit(kHopFileNameField, kHopFileNameLimit);
    view.setNumberEntry(kHopObjectiveField);
    view.setNumberEntry(kHopLengthKmField);
    show(openHopDialog(session_.route));
}

void HopBoxPage::onCommand(ControlId control) {
    RouteState& route = session_.route;
    Messages& messages = session_.ports.messages;
    const bool movesOn =
        control == kRouteScButton || control == kPreviousHopButton || control == kNextHopButton;
    if (movesOn && !textsFitOrRefuse(messages, *view_, kStationFields)) {
        return;
    }
    switch (control) {
    case kRouteScButton:
        if (const HopDialogOutcome outcome = hopDialogRouteScreen(route, typed(), messages);
            outcome.accepted) {
            session_.ports.window.postCommand(Command::RouteScreen);
        } else {
            show(outcome);
        }
        break;
    case kPreviousHopButton:
        show(hopDialogPrevious(route, typed(), messages));
        break;
    case kNextHopButton:
        show(hopDialogNext(route, typed(), messages));
        break;
    case kHopFileButton: {
        HopDialogOutcome outcome = hopDialogFile(route, view_->text(kHopFileNameField), messages);
        if (slotTookSiteLength(session_)) {
            outcome.content = hopDialogContent(route, route.currentHop);
        }
        show(outcome);
        break;
    }
    default:
        break;
    }
}

bool HopBoxPage::takeIntoRoute() {
    Messages& messages = session_.ports.messages;
    if (!textsFitOrRefuse(messages, *view_, kStationFields)) {
        return false;
    }
    const HopDialogOutcome outcome = hopDialogRouteScreen(session_.route, typed(), messages);
    if (!outcome.accepted) {
        show(outcome);
    }
    return outcome.accepted;
}

HopDialogTexts HopBoxPage::typed() const {
    return {
        .fileName = view_->text(kHopFileNameField),
        .station1 = view_->text(kHopStation1Field),
        .station2 = view_->text(kHopStation2Field),
        .objective = view_->text(kHopObjectiveField),
        .lengthKm = view_->text(kHopLengthKmField),
    };
}

void HopBoxPage::show(const HopDialogOutcome& outcome) {
    DialogView& view = *view_;
    if (outcome.accepted) {
        const HopDialogContent& content = outcome.content;
        view.setTitle(content.title);
        view.setText(kHopFileNameField, content.fileName);
        view.setText(kHopStation1Field, content.station1);
        view.setText(kHopStation2Field, content.station2);
        view.setText(kHopObjectiveField, content.objective);
        view.setText(kHopLengthKmField, content.lengthKm);
    }
    view.setFocus(static_cast<ControlId>(outcome.focus));
}

} // namespace korvel
