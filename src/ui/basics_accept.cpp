// The Basics page's answer to the leave request: every check runs before anything is stored, so
// a refusal leaves the hop as it was.
#include <array>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "engine/hop_reset.h"
#include "engine/selective_margin.h"
#include "fields/numeric_entry.h"
#include "fields/whole_number.h"
#include "hopfile/hop_preparation.h"
#include "ui/basics_page.h"
#include "ui/page_limit_readings.h"
#include "ui/page_refusal_shown.h"
#include "ui/session.h"
#include "ui/text_fit_refusal.h"

namespace korvel {

namespace {

constexpr std::array<NamedTextField, 3> kTextFields{{
    {kInfoField, "Information field"},
    {kStation1NameField, "Station 1 name"},
    {kStation2NameField, "Station 2 name"},
}};

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

void BasicsPage::onMenuCommand(Command command) {
    if (command == Command::LeavePage && !accept()) {
        session_.app.pageAccepted = false;
    }
}

bool BasicsPage::accept() {
    if (!textsFitOrRefuse(session_.ports.messages, *view_, kTextFields)) {
        return false;
    }
    const PageValues values = heldValues();
    NumericEntryState& fields = session_.fields;
    readPageLimits(fields, session_.hop.record.frequencyGHz, *view_, shown_, kBasicsControls,
                   basicsListedFields(), values);
    if (const std::optional<PageRefusal> refusal = basicsRefusal(values)) {
        showPageRefusal(session_.ports.messages, session_.ports.dialogs, *view_, *refusal,
                        kBasicsControls.of(refusal->field));
        return false;
    }
    if (!limitsConfirmed(fields, session_.ports.dialogs, *view_, kBasicsControls,
                         basicsListedFields())) {
        return false;
    }
    store(session_.hop, values);
    return true;
}

PageValues BasicsPage::heldValues() const {
    PageValues values = storedPageValues(session_.hop);
    for (const auto& [field, control] : kBasicsFieldControls) {
        const std::string text = view_->text(control);
        const double typed =
            pageFieldRow(field).wholeNumber ? wholeNumberValue(text) : typedNumber(text);
        values[field] = shown_.value(*view_, control, typed);
    }
    return values;
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
    storePageValues(record, values, FieldPage::Basics, record.diversityMode);
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
