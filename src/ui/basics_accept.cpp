// The Basics page's answer to the leave request: every check runs before anything is stored, so
// a refusal leaves the hop as it was.
#include <string>
#include <string_view>
#include <vector>

#include "engine/hop_reset.h"
#include "fields/numeric_entry.h"
#include "fields/numeric_text.h"
#include "fields/whole_number.h"
#include "hopfile/hop_preparation.h"
#include "ui/basics_page.h"
#include "ui/list_dialog.h"
#include "ui/listed_fields.h"
#include "ui/session.h"

namespace korvel {

namespace {

// The names the list dialog gives the limited fields, in the order it lists them.
constexpr std::array<ListedField, 3> kListedFields{{
    {LimitedField::TimePercentagePL, "Percentage pL", kPLField},
    {LimitedField::HopLength, "hop length.", kHopLengthField},
    {LimitedField::OutageObjective, "outage objective.", kObjectiveField},
}};

constexpr double kShortestHopKm = 0.1;
constexpr std::size_t kInfoStored = 34; // of the 35 characters typed

std::string_view diversityWord(DiversityMode mode) {
    switch (mode) {
    case DiversityMode::No:
        return "NODIV";
    case DiversityMode::Freq:
        return "FREQ";
    case DiversityMode::Space:
        return "SPACE";
    }
    return "";
}

std::string_view usageWord(UsageMode mode) {
    switch (mode) {
    case UsageMode::Single:
        return "SINGLE";
    case UsageMode::Hsb:
        return "HSB";
    case UsageMode::OnePlusOne:
        return "1+1";
    }
    return "";
}

bool wholeNumberWithin(std::string_view text, int lowest, int highest) {
    const std::optional<int> value = readWholeNumber(text);
    return value && *value >= lowest && *value <= highest;
}

} // namespace

bool BasicsPage::accept() {
    if (!readingsValid() || !valuesPlausible() || !readingsInLimits()) {
        return false;
    }
    store();
    return true;
}

bool BasicsPage::readingsValid() {
    NumericEntryState& fields = session_.fields;
    fields.beginReading();
    readLimitedNumber(fields, view_->text(kObjectiveField), LimitedField::OutageObjective);
    fields.setHopLengthLowerKm(15 / session_.hop.record.frequencyGHz);
    readLimitedNumber(fields, view_->text(kHopLengthField), LimitedField::HopLength);
    readLimitedNumber(fields, view_->text(kPLField), LimitedField::TimePercentagePL);
    if (fields.allFieldsValid()) {
        return true;
    }
    const ListedNames invalid =
        listedNames(kListedFields, kObjectiveField,
                    [&](const ListedField& listed) { return !fields.status(listed.field).valid; });
    {
        const PageDisabled disabled(view_);
        runListDialog(session_.ports.dialogs, "Error!", "Invalid data : ", invalid.names, false);
    }
    view_->setFocus(invalid.focus);
    return false;
}

bool BasicsPage::refuse(ControlId field, std::string_view text, bool beep) {
    if (beep) {
        session_.ports.messages.beep();
    }
    session_.ports.messages.show(text, "Error", MessageIcon::Exclamation);
    view_->setFocus(field);
    return false;
}

bool BasicsPage::valuesPlausible() {
    const auto text = [this](ControlId field, std::size_t characters) {
        return view_->text(field).substr(0, characters);
    };
    if (numericTextValue(text(kHopLengthField, 5)) < kShortestHopKm) {
        return refuse(kHopLengthField, "Invalid value : Hop length.", false);
    }
    if (!wholeNumberWithin(view_->text(kLongitudeField), 0, 180)) {
        return refuse(kLongitudeField, "Invalid value: Longitude", true);
    }
    if (!wholeNumberWithin(view_->text(kLatitudeField), 0, 90)) {
        return refuse(kLatitudeField, "Invalid value: Latitude", true);
    }
    const std::string pL = text(kPLField, 6);
    if (!isNumericText(pL) || numericTextValue(pL) < 0 || numericTextValue(pL) > 100) {
        return refuse(kPLField, "Invalid value: pL", true);
    }
    // Station heights may lie below sea level.
    if (!isNumericText(text(kStation1HeightField, 5))) {
        return refuse(kStation1HeightField, "Invalid value: Station 1 height.", true);
    }
    if (!isNumericText(text(kStation2HeightField, 5))) {
        return refuse(kStation2HeightField, "Invalid value: Station 2 height.", true);
    }
    return true;
}

bool BasicsPage::readingsInLimits() {
    const NumericEntryState& fields = session_.fields;
    if (fields.allFieldsInRange()) {
        return true;
    }
    const ListedNames outside =
        listedNames(kListedFields, kObjectiveField, [&](const ListedField& listed) {
            return !fields.status(listed.field).inRange;
        });
    bool confirmed = false;
    {
        const PageDisabled disabled(view_);
        confirmed = runListDialog(session_.ports.dialogs, "Note!",
                                  "Values out of normal limits : ", outside.names, true);
    }
    if (!confirmed) {
        view_->setFocus(outside.focus);
    }
    return confirmed;
}

void BasicsPage::store() {
    HopRecord& record = session_.hop.record;
    // Only what the planner edited is read back: an untouched field keeps the stored value
    // exactly, not its rounded or cut display.
    const auto number = [this](double& stored, ControlId field, std::size_t characters) {
        if (edited(field)) {
            stored = numericTextValue(view_->text(field).substr(0, characters));
        }
    };
    const auto wholeNumber = [this](double& stored, ControlId field) {
        if (edited(field)) {
            stored = readWholeNumber(view_->text(field)).value_or(0);
        }
    };
    record.method = static_cast<Method>(pending(BasicsChoice::Method));
    record.eastWest = static_cast<EastWest>(pending(BasicsChoice::EastWest));
    record.northSouth = static_cast<NorthSouth>(pending(BasicsChoice::NorthSouth));
    record.selectiveFading = static_cast<SelectiveFading>(pending(BasicsChoice::SelectiveFading));
    record.landType = static_cast<LandType>(pending(BasicsChoice::LandType));
    if (edited(kInfoField)) {
        record.info.assign(view_->text(kInfoField).substr(0, kInfoStored));
    }
    if (edited(kStation1NameField)) {
        record.station1Name.assign(view_->text(kStation1NameField));
    }
    if (edited(kStation2NameField)) {
        record.station2Name.assign(view_->text(kStation2NameField));
    }
    number(record.outageObjectivePct, kObjectiveField, 6);
    number(record.station1HeightM, kStation1HeightField, 6);
    number(record.station2HeightM, kStation2HeightField, 6);
    number(record.hopLengthKm, kHopLengthField, 5);
    number(record.pLPct, kPLField, 6);
    wholeNumber(record.latitudeDeg, kLatitudeField);
    wholeNumber(record.longitudeDeg, kLongitudeField);
    storeModes();
}

void BasicsPage::storeModes() {
    HopState& hop = session_.hop;
    HopRecord& record = hop.record;
    HopSelection& selection = hop.selection;
    const auto diversity = static_cast<DiversityMode>(pending(BasicsChoice::DiversityMode));
    const auto usage = static_cast<UsageMode>(pending(BasicsChoice::UsageMode));
    if (selection.branchingLossSet == 0 || diversity != record.diversityMode ||
        usage != record.usageMode) {
        selection.branchingLossSet = 1;
        record.diversityMode = diversity;
        record.usageMode = usage;
        if (const RadioEntry* radio = session_.library.radio(selection.radioIndex)) {
            record.branchingLossDb = radio->branchingLoss(diversity, usage);
        }
        record.modeText.assign(std::string(diversityWord(diversity)) + " / " +
                               std::string(usageWord(usage)));
    }
    const auto insulation = static_cast<FeederInsulation>(pending(BasicsChoice::FeederInsulation));
    if (record.frequencyGHz <= kCoaxLimitGHz && insulation != record.feederInsulation) {
        record.feederInsulation = insulation;
        resetFeederSelection(selection, insulation);
    }
    const auto antennaType = static_cast<AntennaType>(pending(BasicsChoice::AntennaType));
    if (antennaType != record.antennaType) {
        record.antennaType = antennaType;
        resetAntennaSelection(selection, antennaType);
    }
    commitFeederPosition(hop, session_.library);
}

} // namespace korvel
