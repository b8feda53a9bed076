#include "ui/hop_box_page.h"

#include <array>

#include "ui/session.h"
#include "ui/text_fit_refusal.h"

namespace korvel {

namespace {

constexpr int kFileNameLimit = 250;
constexpr std::array<NamedTextField, 2> kStationFields{{
    {kHopStation1Field, "Station 1"},
    {kHopStation2Field, "Station 2"},
}};

} // namespace

void HopBoxPage::open(DialogView& view) {
    view_ = &view;
    view.setTextLimit(kHopFileNameField, kFileNameLimit);
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
    case kHopFileButton:
        show(hopDialogFile(route, view_->text(kHopFileNameField), messages));
        break;
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
