#include "ui/radio_page.h"

#include <algorithm>
#include <string>

#include "fields/format_fixed.h"
#include "fields/numeric_text.h"
#include "route/route_reset.h"
#include "ui/other_radio_dialog.h"
#include "ui/session.h"
#include "ui/typed_radio_values.h"

namespace korvel {

namespace {

constexpr int kPtxCount = 3;
constexpr int kPrxthCount = 6;
constexpr std::string_view kNoValue = " -";
constexpr double kLowestRainFrequencyGHz = 6;

bool isPtxButton(ControlId control) {
    return control >= kPtxChoiceFirst && control < kPtxChoiceFirst + kPtxCount;
}
bool isPrxthButton(ControlId control) {
    return control >= kPrxthChoiceFirst && control < kPrxthChoiceFirst + kPrxthCount;
}

std::string valueText(double value) {
    return value == 0 ? std::string(kNoValue) : formatFixed(value, 1);
}

// The library value a choice names; a choice outside the radio's buttons (a damaged file) takes
// the radio's default.
std::size_t valueIndex(int choice, int first, int count, int defaultIndex) {
    const int index = choice - first;
    return static_cast<std::size_t>(index >= 0 && index < count ? index : defaultIndex);
}

} // namespace

const RadioEntry& RadioPage::shownRadio() const {
    return session_.library.radios[static_cast<std::size_t>(shownRadio_)];
}

void RadioPage::open(DialogView& view) {
    view_ = &view;
    view.clearList(kRadioList);
    for (const RadioEntry& radio : session_.library.radios) {
        view.addListRow(kRadioList, radio.name.view());
    }
    session_.app.currentPageId = kRadioPageId;
    showCommittedChoice();
}

void RadioPage::onCommand(ControlId control) {
    if (isPtxButton(control) || isPrxthButton(control)) {
        chooseLibraryValue(control);
    } else if (control == kPtxChoiceOther) {
        chooseTypedPtx();
    } else if (control == kPrxthChoiceOther) {
        chooseTypedPrxth();
    } else if (control == kRadioResetButton) {
        showCommittedChoice();
    }
}

void RadioPage::onMenuCommand(Command command) {
    if (command == Command::LeavePage) {
        commit(session_.hop);
    }
}

void RadioPage::onSelectionChanged(ControlId list) {
    if (list != kRadioList) {
        return;
    }
    const int last = session_.library.radioCount() - 1;
    shownRadio_ = std::clamp(view_->selectedRow(kRadioList), 0, last);
    if (session_.library.isOtherRadio(shownRadio_)) {
        bool confirmed = false;
        {
            const PageDisabled disabled(view_);
            confirmed = runOtherRadioDialog(session_.ports.dialogs, session_.ports.messages,
                                            session_.library.radios.back());
        }
        if (!confirmed) {
            showCommittedChoice();
            return;
        }
        setOtherRadioInUse(true);
    } else {
        setOtherRadioInUse(false);
    }
    showRadio();
    pendingPtx_ = static_cast<std::int16_t>(kPtxChoiceFirst + shownRadio().defaultPtx);
    pendingPrxth_ = static_cast<std::int16_t>(kPrxthChoiceFirst + shownRadio().defaultPrxth);
    checkPendingChoices();
}

void RadioPage::showCommittedChoice() {
    const HopSelection& selection = session_.hop.selection;
    shownRadio_ = std::clamp<int>(selection.radioIndex, 0, session_.library.radioCount() - 1);
    view_->selectRow(kRadioList, shownRadio_);
    showRadio();
    pendingPtx_ = selection.ptxChoice;
    pendingPrxth_ = selection.prxthChoice;
    checkPendingChoices();
}

void RadioPage::showRadio() {
    const RadioEntry& radio = shownRadio();
    view_->setText(kRadioNameLabel, radio.name.view());
    view_->setText(kRadioFrequencyLabel, formatFixed(radio.frequencyGHz, 1));
    const auto [columnOne, columnTwo] = radio.berExponent;
    view_->setText(kPrxthGroup, columnOne == columnTwo ? "Prxth Ber:10" + std::to_string(columnOne)
                                                       : std::string("Prxth"));
    view_->setText(kPrxthLeftBerLabel, "BER 10^" + std::to_string(columnOne));
    view_->setText(kPrxthRightBerLabel, "BER 10^" + std::to_string(columnTwo));
    for (int i = 0; i < kPtxCount; ++i) {
        view_->setText(kPtxChoiceFirst + i, valueText(radio.ptxDbm[static_cast<std::size_t>(i)]));
    }
    for (int i = 0; i < kPrxthCount; ++i) {
        view_->setText(kPrxthChoiceFirst + i,
                       valueText(radio.prxthDbm[static_cast<std::size_t>(i)]));
    }
}

void RadioPage::checkPendingChoices() {
    for (int i = 0; i < kPtxCount; ++i) {
        view_->setChecked(kPtxChoiceFirst + i, pendingPtx_ == kPtxChoiceFirst + i);
    }
    view_->setChecked(kPtxChoiceOther, pendingPtx_ == kPtxChoiceOther);
    for (int i = 0; i < kPrxthCount; ++i) {
        view_->setChecked(kPrxthChoiceFirst + i, pendingPrxth_ == kPrxthChoiceFirst + i);
    }
    view_->setChecked(kPrxthChoiceOther, pendingPrxth_ == kPrxthChoiceOther);
}

void RadioPage::chooseLibraryValue(ControlId button) {
    const RadioEntry& radio = shownRadio();
    // A button showing " -" offers no value: the previous choice stays checked.
    if (isPtxButton(button)) {
        if (radio.ptxDbm[static_cast<std::size_t>(button - kPtxChoiceFirst)] != 0) {
            pendingPtx_ = static_cast<std::int16_t>(button);
        }
    } else if (radio.prxthDbm[static_cast<std::size_t>(button - kPrxthChoiceFirst)] != 0) {
        pendingPrxth_ = static_cast<std::int16_t>(button);
    }
    checkPendingChoices();
}

void RadioPage::chooseTypedPtx() {
    view_->setChecked(kPtxChoiceOther, true);
    bool confirmed = false;
    {
        const PageDisabled disabled(view_);
        confirmed =
            runPtxDialog(session_.ports.dialogs, session_.ports.messages, session_.hop.selection);
    }
    if (confirmed) {
        pendingPtx_ = kPtxChoiceOther;
    }
    checkPendingChoices();
    view_->setFocus(pendingPtx_);
}

void RadioPage::chooseTypedPrxth() {
    view_->setChecked(kPrxthChoiceOther, true);
    bool confirmed = false;
    {
        const PageDisabled disabled(view_);
        confirmed =
            runPrxthDialog(session_.ports.dialogs, session_.ports.messages, session_.hop.selection);
    }
    if (confirmed) {
        pendingPrxth_ = kPrxthChoiceOther;
    }
    checkPendingChoices();
    view_->setFocus(pendingPrxth_);
}

void RadioPage::setOtherRadioInUse(bool inUse) {
    session_.hop.selection.otherRadio = inUse;
    session_.app.menu.save = !inUse;
    session_.refreshMenu();
}

std::optional<HopState> RadioPage::heldHop() const {
    HopState hop = session_.hop;
    commit(hop);
    return hop;
}

void RadioPage::commit(HopState& hop) const {
    HopSelection& selection = hop.selection;
    HopRecord& record = hop.record;
    if (shownRadio_ != selection.radioIndex) {
        // The next Basics commit takes the branching loss of the new radio.
        selection.branchingLossSet = 0;
    }
    selection.radioIndex = static_cast<std::int16_t>(shownRadio_);
    selection.ptxChoice = pendingPtx_;
    selection.prxthChoice = pendingPrxth_;
    selection.otherRadio = session_.library.isOtherRadio(shownRadio_);

    const RadioEntry& radio = shownRadio();
    record.radioName.assign(radio.name.view());
    record.frequencyGHz = radio.frequencyGHz;
    record.bitRateMbps = radio.bitRateMbps;
    record.ptxDbm =
        pendingPtx_ == kPtxChoiceOther
            ? numericTextValue(selection.otherPtxText.view())
            : radio.ptxDbm[valueIndex(pendingPtx_, kPtxChoiceFirst, kPtxCount, radio.defaultPtx)];
    if (pendingPrxth_ == kPrxthChoiceOther) {
        record.berExponent = selection.otherBerExponent;
        record.prxthDbm = numericTextValue(selection.otherPrxthText.view());
    } else {
        const std::size_t index =
            valueIndex(pendingPrxth_, kPrxthChoiceFirst, kPrxthCount, radio.defaultPrxth);
        record.berExponent = berExponentOfChoice(
            radio, static_cast<std::int16_t>(kPrxthChoiceFirst + static_cast<int>(index)));
        record.prxthDbm = radio.prxthDbm[index];
    }
    if (record.frequencyGHz < kLowestRainFrequencyGHz) {
        hop.results.rainWorstMonthPct = -1.0;
    }
}

} // namespace korvel
