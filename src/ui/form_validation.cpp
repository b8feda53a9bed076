// validateFormPage: every check runs on the fields before anything is stored, so a refusal
// leaves the hop record, its results and the override flags as they were.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/link_budget.h"
#include "engine/selective_margin.h"
#include "fields/format_fixed.h"
#include "fields/numeric_entry.h"
#include "optimize/library_lookup.h"
#include "ui/form_page.h"
#include "ui/hop_file_bounds.h"
#include "ui/list_dialog.h"
#include "ui/page_field_controls.h"
#include "ui/page_refusal_shown.h"
#include "ui/session.h"

namespace korvel {

namespace {

constexpr double kChannelSpacingShare = 0.05; // of the frequency: the plausible upper limit

constexpr std::array<PageFieldControl, 20> kControls{{
    {PageField::Antenna1Diameter, kAntenna1DiameterField},
    {PageField::Antenna2Diameter, kAntenna2DiameterField},
    {PageField::Antenna1Gain, kAntenna1GainField},
    {PageField::Antenna2Gain, kAntenna2GainField},
    {PageField::Feeder1Loss, kFeeder1LossField},
    {PageField::Feeder2Loss, kFeeder2LossField},
    {PageField::Connector1Loss, kConnector1Field},
    {PageField::Connector2Loss, kConnector2Field},
    {PageField::Feeder1Length, kFeeder1LengthField},
    {PageField::Feeder2Length, kFeeder2LengthField},
    {PageField::BranchingLoss, kBranchingLossField},
    {PageField::DiversityDiameter, kDiversityDiameterField},
    {PageField::DiversityGain, kDiversityGainField},
    {PageField::ChannelSpacing, kChannelSpacingField},
    {PageField::Antenna1Height, kAntenna1HeightField},
    {PageField::Antenna2Height, kAntenna2HeightField},
    {PageField::AntennaSpacing, kAntennaSpacingField},
    {PageField::SelectiveMargin, kSelectiveMarginField},
    {PageField::ThresholdDegradation, kThresholdDegradationField},
    {PageField::TerrainLoss, kTerrainLossField},
}};

ControlId controlOf(PageField field) {
    return korvel::controlOf(kControls, field, kBranchingLossField);
}

// The fields are shown with one decimal: a typed value that shows as the library's value is the
// library's value, so an untouched field is never taken for one the user typed.
bool showsAs(double typed, double library) {
    return formatFixed(typed, 1) == formatFixed(library, 1);
}

constexpr std::array<ControlId, 3> kDiameterFields{kAntenna1DiameterField, kAntenna2DiameterField,
                                                   kDiversityDiameterField};
constexpr std::array<ControlId, 3> kGainFields{kAntenna1GainField, kAntenna2GainField,
                                               kDiversityGainField};
constexpr std::array<ControlId, 2> kLossFields{kFeeder1LossField, kFeeder2LossField};

} // namespace

FormLayout FormPage::layout() const {
    const HopRecord& record = session_.hop.record;
    return {record.frequencyGHz, diversity_, record.selectiveFading};
}

bool FormPage::validateFormPage(Purpose purpose) {
    HopRecord copy = session_.hop.record;
    const FormLayout shownLayout = layout();
    const PageValues values = heldValues();
    readLimits(values, shownLayout);
    if (const std::optional<PageRefusal> refusal = formRefusal(values, shownLayout)) {
        showPageRefusal(session_, *view_, *refusal, controlOf(refusal->field));
        return false;
    }
    // A value the hop file reader refuses would make the saved hop one that never opens again.
    for (const PageFieldControl& entry : kControls) {
        const auto damage =
            shown_.has(entry.control)
                ? valueTheReaderRefuses(recordFieldName(entry.field), values[entry.field])
                : std::nullopt;
        if (damage) {
            session_.ports.messages.show("Invalid value : " + *damage + ".", "Error",
                                         MessageIcon::Warning);
            view_->setFocus(entry.control);
            return false;
        }
    }
    if (!limitsConfirmed(shownLayout)) {
        return false;
    }
    readInto(copy, values);
    // The Basics page keeps Msm in step with the hop length and the mode.
    if (purpose == Purpose::Calculation || shown_.edited(*view_, kSelectiveMarginField)) {
        storeSelectiveMargin(copy, session_.hop.results, values[PageField::SelectiveMargin]);
    }
    storeAntennaFlags(copy);
    storeFeederFlags(copy);
    session_.hop.record = copy;
    // Values set from the Sweep or Profile window count as typed ones: the modified mark follows.
    session_.updateStatus();
    return true;
}

PageValues FormPage::heldValues() const {
    PageValues values = storedPageValues(session_.hop);
    for (const PageFieldControl& entry : kControls) {
        if (shown_.has(entry.control)) {
            const double typed = typedNumber(view_->text(entry.control));
            values[entry.field] = shown_.value(*view_, entry.control, typed);
        }
    }
    return values;
}

void FormPage::readLimits(const PageValues& values, const FormLayout& shownLayout) {
    NumericEntryState& fields = session_.fields;
    fields.beginReading();
    fields.setChannelSpacingUpperGHz(kChannelSpacingShare * shownLayout.frequencyGHz);
    for (const ListedPageField& listed : formListedFields(shownLayout)) {
        const ControlId control = controlOf(listed.field);
        if (shown_.edited(*view_, control)) {
            readLimitedNumber(fields, view_->text(control), listed.limited);
        } else {
            readLimitedValue(fields, values[listed.field], listed.limited);
        }
    }
}

bool FormPage::limitsConfirmed(const FormLayout& shownLayout) {
    NumericEntryState& fields = session_.fields;
    if (fields.allFieldsInRange()) {
        return true;
    }
    std::vector<std::string_view> names;
    ControlId focus = kBranchingLossField;
    for (const ListedPageField& listed : formListedFields(shownLayout)) {
        if (!fields.status(listed.limited).inRange) {
            names.push_back(listed.name);
            fields.markWarned(listed.limited); // the note below names it
            focus = controlOf(listed.field);
        }
    }
    bool confirmed = false;
    {
        const PageDisabled disabled(view_);
        confirmed = runListDialog(session_.ports.dialogs, "Note!",
                                  "Values out of normal limits : ", names, true);
    }
    if (!confirmed) {
        view_->setFocus(focus);
    }
    return confirmed;
}

void FormPage::readInto(HopRecord& copy, const PageValues& values) const {
    copy.branchingLossDb = values[PageField::BranchingLoss];
    copy.addTerrainLossDb = values[PageField::TerrainLoss];
    copy.thresholdDegradationDb = values[PageField::ThresholdDegradation];
    copy.antenna1DiameterM = values[PageField::Antenna1Diameter];
    copy.antenna2DiameterM = values[PageField::Antenna2Diameter];
    copy.antenna1GainDbi = values[PageField::Antenna1Gain];
    copy.antenna2GainDbi = values[PageField::Antenna2Gain];
    copy.antenna1HeightM = values[PageField::Antenna1Height];
    copy.antenna2HeightM = values[PageField::Antenna2Height];
    copy.feeder1LengthM = values[PageField::Feeder1Length];
    copy.feeder2LengthM = values[PageField::Feeder2Length];
    copy.feeder1LossDbPer100m = values[PageField::Feeder1Loss];
    copy.feeder2LossDbPer100m = values[PageField::Feeder2Loss];
    copy.connector1LossDb = values[PageField::Connector1Loss];
    copy.connector2LossDb = values[PageField::Connector2Loss];
    if (diversity_ == DiversityMode::Space) {
        copy.diversityDiameterM = values[PageField::DiversityDiameter];
        copy.diversityGainDbi = values[PageField::DiversityGain];
        copy.antennaSpacingM = values[PageField::AntennaSpacing];
    }
    if (diversity_ == DiversityMode::Freq) {
        copy.frequencyDifferenceGHz = values[PageField::ChannelSpacing];
    }
}

void FormPage::storeAntennaFlags(HopRecord& copy) {
    HopSelection& selection = session_.hop.selection;
    const int antennas = diversity_ == DiversityMode::Space ? 3 : 2;
    for (int antenna = 0; antenna < antennas; ++antenna) {
        const auto at = static_cast<std::size_t>(antenna);
        // Fields not edited keep their flags: what was read, or what a stepping button left.
        if (!shown_.edited(*view_, kDiameterFields[at]) &&
            !shown_.edited(*view_, kGainFields[at])) {
            continue;
        }
        double& diameter = diameterOf(copy, antenna);
        double& gain = gainOf(copy, antenna);
        const std::optional<double> library =
            libraryDiameterM(session_.library, copy.antennaType, selection.antennaIndex[at]);
        if (!library || !showsAs(diameter, *library)) {
            selection.userDiameter[at] = 1;
            selection.userGain[at] = 1;
            if (gain == 0) {
                gain = antennaGainDbi(diameter, copy.frequencyGHz);
                shown_.show(*view_, kGainFields[at], formatFixed(gain, 1), gain);
            }
            continue;
        }
        diameter = *library;
        selection.userDiameter[at] = 0;
        const double libraryGain = antennaGainDbi(*library, copy.frequencyGHz);
        selection.userGain[at] = showsAs(gain, libraryGain) ? 0 : 1;
        if (selection.userGain[at] == 0) {
            gain = libraryGain;
        }
    }
}

void FormPage::storeFeederFlags(HopRecord& copy) {
    HopSelection& selection = session_.hop.selection;
    for (std::size_t feeder = 0; feeder < 2; ++feeder) {
        if (!shown_.edited(*view_, kLossFields[feeder])) {
            continue;
        }
        double& loss = feeder == 0 ? copy.feeder1LossDbPer100m : copy.feeder2LossDbPer100m;
        const std::optional<double> library =
            libraryFeederLoss(session_.library, selection.feederTable, selection.feederRow,
                              selection.feederIndex[feeder]);
        const bool typed = !library || !showsAs(loss, *library);
        selection.userFeederLoss[feeder] = typed ? 1 : 0;
        if (!typed) {
            loss = *library;
        }
    }
}

} // namespace korvel
