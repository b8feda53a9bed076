#include "ui/route_screen_page.h"

#include <algorithm>
#include <array>
#include <string>

#include "engine/number_text.h"
#include "fields/format_fixed.h"
#include "platform/text_encoding.h"
#include "route/route_standing.h"
#include "route/route_summary.h"
#include "ui/availability_objective_text.h"
#include "ui/page.h"
#include "ui/route_hop_loading.h"
#include "ui/route_method_standing.h"
#include "ui/route_saving.h"
#include "ui/session.h"
#include "ui/text_fit_refusal.h"

namespace korvel {

namespace {

constexpr std::string_view kOtherRadioName = "OTHER";
constexpr int kTypedTextLimit = 39;
constexpr int kRouteFileNameLimit = 40;

constexpr ControlId divisionButton(DivisionMethod method) {
    return static_cast<ControlId>(method);
}

constexpr bool isDivisionButton(ControlId control) {
    return control >= divisionButton(DivisionMethod::Number) &&
           control <= divisionButton(DivisionMethod::Manual);
}

} // namespace

void RouteScreenPage::open(DialogView& view) {
    view_ = &view;
    session_.app.currentPageId = kRouteScreenId;
    session_.updateTitle();
    const RouteRecord& record = session_.route.record;
    const EquipmentLibrary& library = session_.library;
    view.setTextLimit(kRouteInfoField, kTypedTextLimit);
    // The directory takes any folder: the route works in the full folder, and only the route
    // file's own field keeps what fits.
    view.setTextLimit(kRouteFileNameField, kRouteFileNameLimit);
    view.setNumberEntry(kRouteObjectiveField);
    view.setNumberEntry(kRouteHopCountField);
    view.setNumberEntry(kRouteAvailabilityField);

    view.clearList(kRouteRadioList);
    listedRadios_.clear();
    for (int i = 0; i < library.radioCount(); ++i) {
        if (library.radio(i)->name.view() != kOtherRadioName) {
            listedRadios_.push_back(i);
            view.addListRow(kRouteRadioList, library.radio(i)->name.view());
        }
    }
    showRadio(record.radioIndex);

    view.setText(kRouteInfoField, record.info.view());
    view.setText(kRouteObjectiveField, formatFixed(record.objective, 4));
    view.setText(kRouteHopCountField, std::to_string(record.hopCount));
    const std::optional<double> availability = session_.route.availabilityObjectivePct;
    view.setText(kRouteAvailabilityField,
                 availability ? formatNumbers("%g", *availability) : std::string());
    view.setText(kRouteDirectoryField, session_.route.folder.empty()
                                           ? std::string(record.directory.view())
                                           : utf8ToCp1252(session_.route.folder.string()));
    view.setText(kRouteFileNameField, record.fileName.view());
    chooseDivision(record.divisionMethod);

    showHops();
}

void RouteScreenPage::showHops() {
    const RouteState& route = session_.route;
    // The hop being edited stands for its slot, saved or not.
    const RouteMethodStanding judged =
        routeMethodStanding({route, session_.library, session_.methodSources()},
                            route.routeHopActive ? &session_.hop : nullptr);
    const RouteStanding& standing = judged.standing;
    view_->clearList(kDefinedHopsList);
    const int hops = isValidHopCount(route.record.hopCount) ? route.record.hopCount : 0;
    for (int i = 0; i < hops; ++i) {
        view_->addListRow(kDefinedHopsList,
                          withHopMethod(routeScreenHopLine(standing.route, i), judged, i));
    }
    if (hops > 0) {
        view_->selectRow(kDefinedHopsList, 0);
    }
    const RouteRecord& stands = standing.route.record;
    view_->setText(kRouteTotalLabel, formatFixed(stands.totalOutage, 4));
    view_->setText(kRouteMarginLabel, formatFixed(designMarginPct(stands), 4));
    view_->setText(kRouteScreenVerdictLabel, judged.words);
}

void RouteScreenPage::onCommand(ControlId control) {
    if (isDivisionButton(control)) {
        chooseDivision(static_cast<DivisionMethod>(control));
    } else if (control == kHopDefButton) {
        if (accept(RouteScreenAction::HopDef)) {
            session_.ports.window.postCommand(Command::HopBox);
        }
    } else if (control == kHopCalcButton) {
        hopCalc();
    } else if (control == kBrowseFolderButton) {
        browseFolder();
    }
}

bool RouteScreenPage::takeIntoRoute() {
    return accept(RouteScreenAction::HopCalc);
}

void RouteScreenPage::onSelectionChanged(ControlId list) {
    if (list != kRouteRadioList || listedRadios_.empty()) {
        return;
    }
    const int row = std::clamp(view_->selectedRow(kRouteRadioList), 0,
                               static_cast<int>(listedRadios_.size()) - 1);
    radioSelection_ = listedRadios_[static_cast<std::size_t>(row)];
    if (const RadioEntry* radio = session_.library.radio(radioSelection_)) {
        view_->setText(kRouteRadioLabel, radio->name.view());
    }
}

void RouteScreenPage::browseFolder() {
    session_.ports.files.setStartFolder(session_.route.folder.string());
    const std::optional<ChosenFile> folder = [&] {
        const PageDisabled disabled(view_);
        return session_.ports.files.choose(FileDialogUse::RouteFolder);
    }();
    if (folder) {
        view_->setText(kRouteDirectoryField, pathToCp1252(folder->fullName));
    }
    view_->setFocus(kRouteDirectoryField);
}

void RouteScreenPage::showRadio(int radioIndex) {
    radioSelection_ = radioIndex;
    const auto listed = std::find(listedRadios_.begin(), listedRadios_.end(), radioIndex);
    if (listed != listedRadios_.end()) {
        view_->selectRow(kRouteRadioList, static_cast<int>(listed - listedRadios_.begin()));
    }
    if (const RadioEntry* radio = session_.library.radio(radioIndex)) {
        view_->setText(kRouteRadioLabel, radio->name.view());
    }
}

void RouteScreenPage::chooseDivision(DivisionMethod method) {
    division_ = method;
    for (const DivisionMethod each :
         {DivisionMethod::Number, DivisionMethod::Length, DivisionMethod::Manual}) {
        view_->setChecked(divisionButton(each), each == method);
    }
}

bool RouteScreenPage::accept(RouteScreenAction action) {
    constexpr std::array<NamedTextField, 1> kInfo{{{kRouteInfoField, "Route information"}}};
    if (!textsFitOrRefuse(session_.ports.messages, *view_, kInfo)) {
        return false;
    }
    const auto availability =
        typedAvailabilityObjective(view_->text(kRouteAvailabilityField), session_.ports.messages);
    if (!availability) {
        view_->setFocus(kRouteAvailabilityField);
        return false;
    }
    const DialogView& view = *view_;
    const RouteScreenTexts texts{
        .info = view.text(kRouteInfoField),
        .directory = view.text(kRouteDirectoryField),
        .fileName = view.text(kRouteFileNameField),
        .objective = view.text(kRouteObjectiveField),
        .hopCount = view.text(kRouteHopCountField),
        .radioSelection = radioSelection_,
        .division = division_,
        .selectedHopLine = view.selectedRow(kDefinedHopsList),
        .hopLineCount = view.listRowCount(kDefinedHopsList),
    };
    const RouteScreenOutcome outcome =
        acceptRouteScreen(session_.route, session_.library, texts, action, session_.ports.messages);
    if (!outcome.accepted && outcome.focus != RouteScreenControl::None) {
        view_->setFocus(static_cast<ControlId>(outcome.focus));
    }
    if (outcome.accepted) {
        session_.route.availabilityObjectivePct = *availability;
    }
    return outcome.accepted;
}

void RouteScreenPage::hopCalc() {
    if (!accept(RouteScreenAction::HopCalc) || !writeRouteWithHopFiles(session_, view_) ||
        !loadRouteHop(session_)) {
        return;
    }
    session_.app.menu.viewHops = true;
    session_.ports.window.postCommand(Command::BasicsPage);
}

} // namespace korvel
