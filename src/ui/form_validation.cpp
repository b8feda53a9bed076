// validateFormPage: every check runs on the fields before anything is stored, so a refusal
// leaves the hop record, its results and the override flags as they were.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/link_budget.h"
#include "engine/selective_margin.h"
#include "fields/format_fixed.h"
#include "fields/numeric_entry.h"
#include "fields/numeric_text.h"
#include "hopfile/hop_preparation.h"
#include "optimize/library_lookup.h"
#include "ui/form_page.h"
#include "ui/list_dialog.h"
#include "ui/listed_fields.h"
#include "ui/session.h"

namespace korvel {

namespace {

constexpr std::size_t kCharactersRead = 5;
constexpr double kSmallestHeightM = 0.00001;
constexpr double kChannelSpacingShare = 0.05; // of the frequency: the plausible upper limit

// Above 18 GHz only waveguide lengths and losses are typed: no plausible range applies.
bool waveguideOnly(const HopRecord& record) {
    return record.frequencyGHz > 18;
}

// The limited fields in the order the list dialogs name them; the focus goes to the last named.
constexpr std::array<ListedField, 10> kListedFields{{
    {LimitedField::Feeder2Length, "Feeder2 length", kFeeder2LengthField},
    {LimitedField::Feeder1Length, "Feeder1 length", kFeeder1LengthField},
    {LimitedField::ChannelSpacing, "Channel spacing", kChannelSpacingField},
    {LimitedField::AntennaSpacing, "Diversity ant. spacing", kAntennaSpacingField},
    {LimitedField::SelectiveFadingMargin, "Sel. fading margin", kSelectiveMarginField},
    {LimitedField::ThresholdDegradation, "Threshold degradation", kThresholdDegradationField},
    {LimitedField::AdditionalTerrainLoss, "Additional terrain loss", kTerrainLossField},
    {LimitedField::BranchingLoss, "Antenna branching loss", kBranchingLossField},
    {LimitedField::Antenna2Height, "Antenna 2 height", kAntenna2HeightField},
    {LimitedField::Antenna1Height, "Antenna 1 height", kAntenna1HeightField},
}};

// The fields are shown with one decimal: a typed value that shows as the library's value is the
// library's value, so an untouched field is never taken for one the user typed.
bool showsAs(double typed, double library) {
    return formatFixed(typed, 1) == formatFixed(library, 1);
}

constexpr std::array<ControlId, 3> kGainFields{kAntenna1GainField, kAntenna2GainField,
                                               kDiversityGainField};

} // namespace

bool FormPage::validateFormPage() {
    HopRecord copy = session_.hop.record;
    if (!readingsValid(copy) || !listedFieldsAccepted()) {
        return false;
    }
    readInto(copy);
    storeSelectiveMargin(copy, session_.hop.results, fieldValue(kSelectiveMarginField));
    storeAntennaFlags(copy);
    storeFeederFlags(copy);
    session_.hop.record = copy;
    return true;
}

bool FormPage::plainNumbersValid(std::vector<ControlId> fields) {
    for (const ControlId field : fields) {
        if (!readRequiredNumber(view_->text(field), kCharactersRead, session_.ports.messages)) {
            view_->setFocus(field);
            return false;
        }
    }
    return true;
}

bool FormPage::readingsValid(HopRecord& copy) {
    NumericEntryState& fields = session_.fields;
    fields.beginReading();
    const auto limited = [&](ControlId control, LimitedField field) {
        return readLimitedNumber(fields, view_->text(control), field, kCharactersRead);
    };
    limited(kThresholdDegradationField, LimitedField::ThresholdDegradation);
    limited(kTerrainLossField, LimitedField::AdditionalTerrainLoss);
    const double height1 = limited(kAntenna1HeightField, LimitedField::Antenna1Height);
    const double height2 = limited(kAntenna2HeightField, LimitedField::Antenna2Height);
    if (!plainNumbersValid({kAntenna1DiameterField, kAntenna2DiameterField, kAntenna1GainField,
                            kAntenna2GainField, kFeeder1LossField, kFeeder2LossField,
                            kConnector1Field, kConnector2Field})) {
        return false;
    }
    if (waveguideOnly(copy)) {
        if (!plainNumbersValid({kFeeder1LengthField, kFeeder2LengthField, kBranchingLossField})) {
            return false;
        }
    } else {
        limited(kFeeder1LengthField, LimitedField::Feeder1Length);
        limited(kFeeder2LengthField, LimitedField::Feeder2Length);
        limited(kBranchingLossField, LimitedField::BranchingLoss);
    }
    if (copy.selectiveFading != SelectiveFading::No) {
        limited(kSelectiveMarginField, LimitedField::SelectiveFadingMargin);
    }
    if (diversity_ == DiversityMode::Space) {
        if (!plainNumbersValid({kDiversityDiameterField, kDiversityGainField})) {
            return false;
        }
        limited(kAntennaSpacingField, LimitedField::AntennaSpacing);
    }
    if (diversity_ == DiversityMode::Freq) {
        fields.setChannelSpacingUpperGHz(kChannelSpacingShare * copy.frequencyGHz);
        copy.frequencyDifferenceGHz = limited(kChannelSpacingField, LimitedField::ChannelSpacing);
        if (!channelSpacingAccepted(copy, session_.ports.messages)) {
            return false;
        }
    }
    if (height1 < kSmallestHeightM || height2 < kSmallestHeightM) {
        session_.ports.messages.show("Invalid value : Antenna heights must be non zero.", "Error",
                                     MessageIcon::Warning);
        return false;
    }
    return true;
}

bool FormPage::listedFieldsAccepted() {
    const NumericEntryState& fields = session_.fields;
    const bool valid = fields.allFieldsValid();
    if (valid && fields.allFieldsInRange()) {
        return true;
    }
    const bool waveguide = waveguideOnly(session_.hop.record);
    const auto readHere = [&](LimitedField field) {
        switch (field) {
        case LimitedField::Feeder1Length:
        case LimitedField::Feeder2Length:
        case LimitedField::BranchingLoss:
            return !waveguide;
        case LimitedField::ChannelSpacing:
            return diversity_ == DiversityMode::Freq;
        case LimitedField::AntennaSpacing:
            return diversity_ == DiversityMode::Space;
        case LimitedField::SelectiveFadingMargin:
            return session_.hop.record.selectiveFading != SelectiveFading::No;
        default:
            return true;
        }
    };
    const ListedNames listed =
        listedNames(kListedFields, kBranchingLossField, [&](const ListedField& field) {
            const FieldStatus& status = fields.status(field.field);
            return readHere(field.field) && !(valid ? status.inRange : status.valid);
        });
    bool confirmed = false;
    {
        const PageDisabled disabled(view_);
        confirmed = valid ? runListDialog(session_.ports.dialogs, "Note!",
                                          "Values out of normal limits : ", listed.names, true)
                          : runListDialog(session_.ports.dialogs, "Error!",
                                          "Invalid data : ", listed.names, false);
    }
    if (!valid || !confirmed) {
        view_->setFocus(listed.focus);
        return false;
    }
    return true;
}

double FormPage::fieldValue(ControlId field) const {
    return numericTextValue(view_->text(field).substr(0, kCharactersRead));
}

void FormPage::readInto(HopRecord& copy) {
    const auto value = [this](ControlId field) { return fieldValue(field); };
    copy.branchingLossDb = value(kBranchingLossField);
    copy.addTerrainLossDb = value(kTerrainLossField);
    copy.thresholdDegradationDb = value(kThresholdDegradationField);
    copy.antenna1DiameterM = value(kAntenna1DiameterField);
    copy.antenna2DiameterM = value(kAntenna2DiameterField);
    copy.antenna1GainDbi = value(kAntenna1GainField);
    copy.antenna2GainDbi = value(kAntenna2GainField);
    copy.antenna1HeightM = value(kAntenna1HeightField);
    copy.antenna2HeightM = value(kAntenna2HeightField);
    copy.feeder1LengthM = value(kFeeder1LengthField);
    copy.feeder2LengthM = value(kFeeder2LengthField);
    copy.feeder1LossDbPer100m = value(kFeeder1LossField);
    copy.feeder2LossDbPer100m = value(kFeeder2LossField);
    copy.connector1LossDb = value(kConnector1Field);
    copy.connector2LossDb = value(kConnector2Field);
    if (diversity_ == DiversityMode::Space) {
        copy.diversityDiameterM = value(kDiversityDiameterField);
        copy.diversityGainDbi = value(kDiversityGainField);
        copy.antennaSpacingM = value(kAntennaSpacingField);
    }
    if (diversity_ == DiversityMode::Freq) {
        copy.frequencyDifferenceGHz = value(kChannelSpacingField);
    }
}

void FormPage::storeAntennaFlags(HopRecord& copy) {
    HopSelection& selection = session_.hop.selection;
    const int antennas = diversity_ == DiversityMode::Space ? 3 : 2;
    for (int antenna = 0; antenna < antennas; ++antenna) {
        const auto at = static_cast<std::size_t>(antenna);
        double& diameter = diameterOf(copy, antenna);
        double& gain = gainOf(copy, antenna);
        const std::optional<double> library =
            libraryDiameterM(session_.library, copy.antennaType, selection.antennaIndex[at]);
        if (!library || !showsAs(diameter, *library)) {
            selection.userDiameter[at] = 1;
            selection.userGain[at] = 1;
            if (gain == 0) {
                gain = antennaGainDbi(diameter, copy.frequencyGHz);
                view_->setText(kGainFields[at], formatFixed(gain, 1));
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
