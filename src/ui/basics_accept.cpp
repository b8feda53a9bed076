// The Basics page's answer to the leave request: every check runs before anything is stored, so
// a refusal leaves the hop as it was.
#include <array>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/hop_reset.h"
#include "engine/selective_margin.h"
#include "fields/numeric_entry.h"
#include "fields/whole_number.h"
#include "hopfile/hop_preparation.h"
#include "ui/basics_page.h"
#include "ui/list_dialog.h"
#include "ui/page_field_controls.h"
#include "ui/page_refusal_shown.h"
#include "ui/session.h"
#include "ui/text_fit_refusal.h"

namespace korvel {

namespace {

constexpr std::array<PageFieldControl, 7> kControls{{
    {PageField::OutageObjective, kObjectiveField},
    {PageField::HopLength, kHopLengthField},
    {PageField::TimePercentagePL, kPLField},
    {PageField::Longitude, kLongitudeField},
    {PageField::Latitude, kLatitudeField},
    {PageField::Station1Height, kStation1HeightField},
    {PageField::Station2Height, kStation2HeightField},
}};

constexpr std::array<NamedTextField, 3> kTextFields{{
    {kInfoField, "Information field"},
    {kStation1NameField, "Station 1 name"},
    {kStation2NameField, "Station 2 name"},
}};

ControlId controlOf(PageField field) {
    return korvel::controlOf(kControls, field, kObjectiveField);
}

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

double wholeNumberValue(std::string_view text) {
    const std::optional<int> value = readWholeNumber(text);
    return value ? *value : std::numeric_limits<double>::quiet_NaN();
}

} // namespace

bool BasicsPage::accept() {
    if (!textsFitOrRefuse(session_.ports.messages, *view_, kTextFields)) {
        return false;
    }
    const PageValues values = heldValues();
    readLimits(values);
    if (const std::optional<PageRefusal> refusal = basicsRefusal(values)) {
        showPageRefusal(session_, *view_, *refusal, controlOf(refusal->field));
        return false;
    }
    if (!readingsInLimits()) {
        return false;
    }
    store(session_.hop, values);
    return true;
}

PageValues BasicsPage::heldValues() const {
    PageValues values = storedPageValues(session_.hop);
    const DialogView& view = *view_;
    const auto number = [&](PageField field, ControlId control) {
        values[field] = shown_.value(view, control, typedNumber(view.text(control)));
    };
    number(PageField::OutageObjective, kObjectiveField);
    number(PageField::HopLength, kHopLengthField);
    number(PageField::TimePercentagePL, kPLField);
    number(PageField::Station1Height, kStation1HeightField);
    number(PageField::Station2Height, kStation2HeightField);
    for (const auto& [field, control] : {std::pair{PageField::Longitude, kLongitudeField},
                                         std::pair{PageField::Latitude, kLatitudeField}}) {
        values[field] = shown_.value(view, control, wholeNumberValue(view.text(control)));
    }
    return values;
}

void BasicsPage::readLimits(const PageValues& values) {
    NumericEntryState& fields = session_.fields;
    fields.beginReading();
    fields.setHopLengthLowerKm(15 / session_.hop.record.frequencyGHz);
    for (const ListedPageField& listed : basicsListedFields()) {
        const ControlId control = controlOf(listed.field);
        if (shown_.edited(*view_, control)) {
            readLimitedNumber(fields, view_->text(control), listed.limited);
        } else {
            readLimitedValue(fields, values[listed.field], listed.limited);
        }
    }
}

bool BasicsPage::readingsInLimits() {
    NumericEntryState& fields = session_.fields;
    if (fields.allFieldsInRange()) {
        return true;
    }
    std::vector<std::string_view> names;
    ControlId focus = kObjectiveField;
    for (const ListedPageField& listed : basicsListedFields()) {
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

std::optional<HopState> BasicsPage::heldHop() const {
    HopState hop = session_.hop;
    store(hop, heldValues());
    return hop;
}

void BasicsPage::store(HopState& hop, const PageValues& values) const {
    HopRecord& record = hop.record;
    record.method = static_cast<Method>(pending(BasicsChoice::Method));
    record.eastWest = static_cast<EastWest>(pending(BasicsChoice::EastWest));
    record.northSouth = static_cast<NorthSouth>(pending(BasicsChoice::NorthSouth));
    const SelectiveFading previousFading = record.selectiveFading;
    record.selectiveFading = static_cast<SelectiveFading>(pending(BasicsChoice::SelectiveFading));
    record.landType = static_cast<LandType>(pending(BasicsChoice::LandType));
    // A text not edited stays as it was read, even longer than what can be typed.
    if (shown_.edited(*view_, kInfoField)) {
        record.info.assign(view_->text(kInfoField));
    }
    if (shown_.edited(*view_, kStation1NameField)) {
        record.station1Name.assign(view_->text(kStation1NameField));
    }
    if (shown_.edited(*view_, kStation2NameField)) {
        record.station2Name.assign(view_->text(kStation2NameField));
    }
    const bool marginChanges = record.hopLengthKm != values[PageField::HopLength] ||
                               record.selectiveFading != previousFading;
    record.outageObjectivePct = values[PageField::OutageObjective];
    record.station1HeightM = values[PageField::Station1Height];
    record.station2HeightM = values[PageField::Station2Height];
    record.hopLengthKm = values[PageField::HopLength];
    record.pLPct = values[PageField::TimePercentagePL];
    record.latitudeDeg = values[PageField::Latitude];
    record.longitudeDeg = values[PageField::Longitude];
    // The selective margin Msm follows the hop length (Standard scales the reference margin).
    if (marginChanges) {
        prepareSelectiveMargin(hop);
    }
    storeModes(hop);
}

void BasicsPage::storeModes(HopState& hop) const {
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
