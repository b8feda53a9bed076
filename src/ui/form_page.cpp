#include "ui/form_page.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "engine/link_budget.h"
#include "engine/rain.h"
#include "fields/page_field_text.h"
#include "optimize/library_lookup.h"
#include "ui/limit_tips.h"
#include "ui/session.h"

namespace korvel {

namespace {

constexpr std::array<ControlId, 2> kFeederTypeLabels{kFeeder1TypeLabel, kFeeder2TypeLabel};

constexpr std::string_view kStandardMarginLabel = "Msm (42.5 km)  :";
constexpr std::string_view kUserMarginLabel = "Msm            :";

// A pair of stepping buttons: which index they move and which flags they clear.
struct Stepper {
    ControlId lower;
    ControlId raise;
    bool antenna;
    int which; // antenna 0..2 or feeder 0..1
};
constexpr std::array<Stepper, 5> kSteppers{{
    {kAntenna1LowerButton, kAntenna1RaiseButton, true, kAntenna1},
    {kAntenna2LowerButton, kAntenna2RaiseButton, true, kAntenna2},
    {kDiversityLowerButton, kDiversityRaiseButton, true, kDiversityAntenna},
    {kFeeder1LowerButton, kFeeder1RaiseButton, false, 0},
    {kFeeder2LowerButton, kFeeder2RaiseButton, false, 1},
}};

} // namespace

DialogId formPageLayout(DiversityMode diversity) {
    switch (diversity) {
    case DiversityMode::Space:
        return DialogId::FormSpaceDiversity;
    case DiversityMode::Freq:
        return DialogId::FormFrequencyDiversity;
    case DiversityMode::No:
        break;
    }
    return DialogId::FormNoDiversity;
}

FormPage::FormPage(Session& session) : session_(session) {}

FormPage::~FormPage() {
    if (sweep_) {
        sweep_->close();
    }
    if (profile_) {
        profile_->close();
    }
}

double& FormPage::diameterOf(HopRecord& record, int antenna) {
    switch (antenna) {
    case kAntenna1:
        return record.antenna1DiameterM;
    case kAntenna2:
        return record.antenna2DiameterM;
    default:
        return record.diversityDiameterM;
    }
}

double& FormPage::gainOf(HopRecord& record, int antenna) {
    switch (antenna) {
    case kAntenna1:
        return record.antenna1GainDbi;
    case kAntenna2:
        return record.antenna2GainDbi;
    default:
        return record.diversityGainDbi;
    }
}

// The shell makes the page before the page it replaces has stored its fields: the layout follows
// the diversity mode as it stands when the page is shown.
DialogId FormPage::form() const {
    return formPageLayout(session_.hop.record.diversityMode);
}

void FormPage::open(DialogView& view) {
    view_ = &view;
    diversity_ = session_.hop.record.diversityMode;
    session_.app.currentPageId = kFormPageId;
    const HopRecord& record = session_.hop.record;
    shown_.clear();
    showEquipment();
    showLimitTips(view, kFormControls, session_.fields, record.frequencyGHz);
    // Rain attenuation is worked out from 6 GHz up: below, RainCalc is grayed and says why.
    const bool rainOffered = record.frequencyGHz >= kRainMinimumFrequencyGHz;
    view.setEnabled(kRainCalcButton, rainOffered);
    view.setToolTip(kRainCalcButton, rainOffered
                                         ? "Calculate, then the unavailability due to rain"
                                         : "Current formulas for rain attenuation do not support "
                                           "frequencies below 6 GHz.");
    view.setText(kFormRadioLabel, record.radioName.view());
    view.setText(kFormModeLabel, record.modeText.view());
    const bool selective = record.selectiveFading != SelectiveFading::No;
    for (const ControlId control :
         {kSelectiveMarginField, kSelectiveMarginLabel, kSelectiveMarginUnit}) {
        view.setVisible(control, selective);
    }
    if (selective) {
        view.setText(kSelectiveMarginLabel, record.selectiveFading == SelectiveFading::User
                                                ? kUserMarginLabel
                                                : kStandardMarginLabel);
    }
    // The equipment shown above follows the library; every other field shows what the hop keeps.
    const PageValues stored = storedPageValues(session_.hop);
    for (const PageFieldControl& entry : kFormFieldControls) {
        const PageFieldRow& row = pageFieldRow(entry.field);
        if (!shown_.has(entry.control) && shownIn(row, diversity_) &&
            (selective || row.read != ReadWhen::SelectiveFading)) {
            show(entry.field, stored[entry.field]);
        }
    }
    refreshFreshness(); // results shown from the hop's file, or edits made on another page
}

void FormPage::show(PageField field, double value) {
    shown_.show(*view_, kFormControls.of(field), pageFieldText(field, value), value);
}

void FormPage::showEquipment() {
    showAntenna(kAntenna1);
    showAntenna(kAntenna2);
    showFeeder(0);
    showFeeder(1);
    if (diversity_ == DiversityMode::Space) {
        showAntenna(kDiversityAntenna);
        show(PageField::AntennaSpacing, session_.hop.record.antennaSpacingM);
    }
}

void FormPage::showAntenna(int antenna) {
    HopState& hop = session_.hop;
    const auto at = static_cast<std::size_t>(antenna);
    const AntennaFields& fields = kAntennaFields[at];
    const std::optional<double> library =
        libraryDiameterM(session_.library, hop.record.antennaType, hop.selection.antennaIndex[at]);
    const double diameter = hop.selection.userDiameter[at] != 0 || !library
                                ? diameterOf(hop.record, antenna)
                                : *library;
    show(fields.diameter, diameter);
    const double gain = hop.selection.userGain[at] != 0 || !library
                            ? gainOf(hop.record, antenna)
                            : antennaGainDbi(*library, hop.record.frequencyGHz);
    show(fields.gain, gain);
}

void FormPage::showFeeder(int feeder) {
    const HopState& hop = session_.hop;
    const auto at = static_cast<std::size_t>(feeder);
    const HopSelection& selection = hop.selection;
    const double typed =
        feeder == 0 ? hop.record.feeder1LossDbPer100m : hop.record.feeder2LossDbPer100m;
    if (selection.userFeederLoss[at] != 0) {
        show(kFeederLossFields[at], typed);
        view_->setText(kFeederTypeLabels[at], "typed");
        return;
    }
    const std::optional<double> loss = libraryFeederLoss(
        session_.library, selection.feederTable, selection.feederRow, selection.feederIndex[at]);
    // Without library data for the frequency the field is empty, which reads as 0.
    if (loss) {
        show(kFeederLossFields[at], *loss);
    } else {
        shown_.show(*view_, kFormControls.of(kFeederLossFields[at]), "", 0);
    }
    const std::string_view name =
        session_.library.feederTypeName(selection.feederTable, selection.feederIndex[at]);
    view_->setText(kFeederTypeLabels[at], loss ? std::string(name) : std::string());
}

void FormPage::step(ControlId button) {
    const auto found = std::find_if(kSteppers.begin(), kSteppers.end(), [button](const Stepper& s) {
        return s.lower == button || s.raise == button;
    });
    if (found == kSteppers.end()) {
        return;
    }
    const Stepper& stepper = *found;
    if (stepper.antenna && stepper.which == kDiversityAntenna &&
        diversity_ != DiversityMode::Space) {
        return;
    }
    const int direction = button == stepper.raise ? 1 : -1;
    HopState& hop = session_.hop;
    const auto at = static_cast<std::size_t>(stepper.which);
    const int count = stepper.antenna
                          ? session_.library.diameterCountOf(hop.record.antennaType)
                          : session_.library.feederTypeCountOf(hop.selection.feederTable);
    std::int16_t& index =
        stepper.antenna ? hop.selection.antennaIndex[at] : hop.selection.feederIndex[at];
    const int next = index + direction;
    if (next >= 0 && next < count) {
        index = static_cast<std::int16_t>(next);
    }
    // Cleared even at the end of the range: a press there brings back the library's value.
    if (stepper.antenna) {
        hop.selection.userDiameter[at] = 0;
        hop.selection.userGain[at] = 0;
        showAntenna(stepper.which);
    } else {
        hop.selection.userFeederLoss[at] = 0;
        showFeeder(stepper.which);
    }
}

void FormPage::onCommand(ControlId control) {
    switch (control) {
    case kCalculateButton:
    case kOkButton:
        calculate();
        return;
    case kRainCalcButton:
        rainCalc();
        return;
    case kOptimizeButton:
        optimize();
        return;
    case kSweepButton:
        openSweep();
        return;
    case kProfileButton:
        openProfile();
        return;
    default:
        step(control);
        refreshFreshness();
        return;
    }
}

void FormPage::onSaveCheck() {
    if (!validateFormPage(Purpose::Storing)) {
        session_.app.pageAccepted = false;
    }
}

} // namespace korvel
