#include "ui/form_page.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "engine/link_budget.h"
#include "engine/rain.h"
#include "engine/selective_margin.h"
#include "fields/format_fixed.h"
#include "optimize/library_lookup.h"
#include "ui/limit_tips.h"
#include "ui/session.h"

namespace korvel {

namespace {

struct AntennaControls {
    ControlId diameter;
    ControlId gain;
};
constexpr std::array<AntennaControls, 3> kAntennaControls{{
    {kAntenna1DiameterField, kAntenna1GainField},
    {kAntenna2DiameterField, kAntenna2GainField},
    {kDiversityDiameterField, kDiversityGainField},
}};
constexpr std::array<ControlId, 2> kFeederLossFields{kFeeder1LossField, kFeeder2LossField};
constexpr std::array<ControlId, 2> kFeederTypeLabels{kFeeder1TypeLabel, kFeeder2TypeLabel};

constexpr std::string_view kStandardMarginLabel = "Msm (42.5 km)  :";
constexpr std::string_view kUserMarginLabel = "Msm            :";

std::string shown(double value) {
    return formatFixed(value, 1);
}

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
    showLimitTips(view, session_.fields, record.frequencyGHz);
    // Rain attenuation is worked out from 6 GHz up: below, RainCalc is grayed and says why.
    const bool rainOffered = record.frequencyGHz >= kRainMinimumFrequencyGHz;
    view.setEnabled(kRainCalcButton, rainOffered);
    view.setToolTip(kRainCalcButton, rainOffered
                                         ? "Calculate, then the unavailability due to rain"
                                         : "Current formulas for rain attenuation do not support "
                                           "frequencies below 6 GHz.");
    view.setText(kFormRadioLabel, record.radioName.view());
    show(kBranchingLossField, record.branchingLossDb);
    view.setText(kFormModeLabel, record.modeText.view());
    show(kThresholdDegradationField, record.thresholdDegradationDb);
    show(kTerrainLossField, record.addTerrainLossDb);
    show(kAntenna1HeightField, record.antenna1HeightM);
    show(kAntenna2HeightField, record.antenna2HeightM);
    show(kFeeder1LengthField, record.feeder1LengthM);
    show(kFeeder2LengthField, record.feeder2LengthM);
    show(kConnector1Field, record.connector1LossDb);
    show(kConnector2Field, record.connector2LossDb);
    if (diversity_ == DiversityMode::Freq) {
        shown_.show(view, kChannelSpacingField, formatFixed(record.frequencyDifferenceGHz, 3),
                    record.frequencyDifferenceGHz);
    }
    const bool selective = record.selectiveFading != SelectiveFading::No;
    for (const ControlId control :
         {kSelectiveMarginField, kSelectiveMarginLabel, kSelectiveMarginUnit}) {
        view.setVisible(control, selective);
    }
    if (selective) {
        view.setText(kSelectiveMarginLabel, record.selectiveFading == SelectiveFading::User
                                                ? kUserMarginLabel
                                                : kStandardMarginLabel);
        show(kSelectiveMarginField, selectiveMarginFieldDb(record, session_.hop.results));
    }
    refreshFreshness(); // results shown from the hop's file, or edits made on another page
}

void FormPage::show(ControlId field, double value) {
    shown_.show(*view_, field, shown(value), value);
}

void FormPage::showEquipment() {
    showAntenna(kAntenna1);
    showAntenna(kAntenna2);
    showFeeder(0);
    showFeeder(1);
    if (diversity_ == DiversityMode::Space) {
        showAntenna(kDiversityAntenna);
        show(kAntennaSpacingField, session_.hop.record.antennaSpacingM);
    }
}

void FormPage::showAntenna(int antenna) {
    HopState& hop = session_.hop;
    const auto at = static_cast<std::size_t>(antenna);
    const AntennaControls& controls = kAntennaControls[at];
    const std::optional<double> library =
        libraryDiameterM(session_.library, hop.record.antennaType, hop.selection.antennaIndex[at]);
    const double diameter = hop.selection.userDiameter[at] != 0 || !library
                                ? diameterOf(hop.record, antenna)
                                : *library;
    show(controls.diameter, diameter);
    const double gain = hop.selection.userGain[at] != 0 || !library
                            ? gainOf(hop.record, antenna)
                            : antennaGainDbi(*library, hop.record.frequencyGHz);
    show(controls.gain, gain);
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
        shown_.show(*view_, kFeederLossFields[at], "", 0);
    }
    const auto& tables = session_.library.feederTables;
    const auto table = static_cast<std::size_t>(selection.feederTable);
    const auto type = static_cast<std::size_t>(selection.feederIndex[at]);
    const bool named = loss && table < tables.size() && type < tables[table].typeName.size();
    view_->setText(kFeederTypeLabels[at],
                   named ? std::string(tables[table].typeName[type].view()) : std::string());
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
    case kLeavePageCommand:
        if (!validateFormPage(Purpose::Storing)) {
            session_.app.pageAccepted = false;
        } else {
            if (session_.resultsWindow != nullptr) {
                session_.resultsWindow->close();
            }
            if (sweep_) {
                sweep_->close();
            }
            if (profile_) {
                profile_->close();
            }
        }
        return;
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
    case static_cast<ControlId>(Command::Profile):
        openProfile();
        return;
    case static_cast<ControlId>(Command::Sites): // the hop may have taken the sites' values
        refreshFreshness();
        refreshCharts();
        return;
    case static_cast<ControlId>(Command::BudgetChart):
    case static_cast<ControlId>(Command::OutageChart):
        openChart(static_cast<Command>(control));
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
