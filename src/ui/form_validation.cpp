// validateFormPage: every check runs on the fields before anything is stored, so a refusal
// leaves the hop record, its results and the override flags as they were.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/link_budget.h"
#include "engine/selective_margin.h"
#include "fields/numeric_entry.h"
#include "fields/page_field_text.h"
#include "optimize/library_lookup.h"
#include "ui/form_page.h"
#include "ui/hop_file_bounds.h"
#include "ui/page_limit_readings.h"
#include "ui/page_refusal_shown.h"
#include "ui/session.h"

namespace korvel {

namespace {

// A typed value that shows as the library's value is the library's value, so an untouched field
// is never taken for one the user typed.
bool showsAs(PageField field, double typed, double library) {
    return pageFieldText(field, typed) == pageFieldText(field, library);
}

} // namespace

FormLayout FormPage::layout() const {
    const HopRecord& record = session_.hop.record;
    return {record.frequencyGHz, diversity_, record.selectiveFading};
}

bool FormPage::validateFormPage(Purpose purpose) {
    HopRecord copy = session_.hop.record;
    const FormLayout shownLayout = layout();
    const PageValues values = heldValues();
    const std::vector<ListedPageField> listed = formListedFields(shownLayout);
    NumericEntryState& fields = session_.fields;
    readPageLimits(fields, shownLayout.frequencyGHz, *view_, shown_, kFormControls, listed, values);
    if (const std::optional<PageRefusal> refusal = formRefusal(values, shownLayout)) {
        showPageRefusal(session_.ports.messages, session_.ports.dialogs, *view_, *refusal,
                        kFormControls.of(refusal->field));
        return false;
    }
    // A value the hop file reader refuses would make the saved hop one that never opens again.
    for (const PageFieldControl& entry : kFormFieldControls) {
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
    if (!limitsConfirmed(fields, session_.ports.dialogs, *view_, kFormControls, listed)) {
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
    for (const PageFieldControl& entry : kFormFieldControls) {
        if (shown_.has(entry.control)) {
            const double typed = typedNumber(view_->text(entry.control));
            values[entry.field] = shown_.value(*view_, entry.control, typed);
        }
    }
    return values;
}

void FormPage::readInto(HopRecord& copy, const PageValues& values) const {
    storePageValues(copy, values, FieldPage::Form, diversity_);
}

void FormPage::storeAntennaFlags(HopRecord& copy) {
    HopSelection& selection = session_.hop.selection;
    const int antennas = diversity_ == DiversityMode::Space ? 3 : 2;
    for (int antenna = 0; antenna < antennas; ++antenna) {
        const auto at = static_cast<std::size_t>(antenna);
        // Fields not edited keep their flags: what was read, or what a stepping button left.
        const AntennaFields& fields = kAntennaFields[at];
        if (!shown_.edited(*view_, kFormControls.of(fields.diameter)) &&
            !shown_.edited(*view_, kFormControls.of(fields.gain))) {
            continue;
        }
        double& diameter = diameterOf(copy, antenna);
        double& gain = gainOf(copy, antenna);
        const std::optional<double> library =
            libraryDiameterM(session_.library, copy.antennaType, selection.antennaIndex[at]);
        if (!library || !showsAs(fields.diameter, diameter, *library)) {
            selection.userDiameter[at] = 1;
            selection.userGain[at] = 1;
            if (gain == 0) {
                gain = antennaGainDbi(diameter, copy.frequencyGHz);
                shown_.show(*view_, kFormControls.of(fields.gain), pageFieldText(fields.gain, gain),
                            gain);
            }
            continue;
        }
        diameter = *library;
        selection.userDiameter[at] = 0;
        const double libraryGain = antennaGainDbi(*library, copy.frequencyGHz);
        selection.userGain[at] = showsAs(fields.gain, gain, libraryGain) ? 0 : 1;
        if (selection.userGain[at] == 0) {
            gain = libraryGain;
        }
    }
}

void FormPage::storeFeederFlags(HopRecord& copy) {
    HopSelection& selection = session_.hop.selection;
    for (std::size_t feeder = 0; feeder < 2; ++feeder) {
        if (!shown_.edited(*view_, kFormControls.of(kFeederLossFields[feeder]))) {
            continue;
        }
        double& loss = feeder == 0 ? copy.feeder1LossDbPer100m : copy.feeder2LossDbPer100m;
        const std::optional<double> library =
            libraryFeederLoss(session_.library, selection.feederTable, selection.feederRow,
                              selection.feederIndex[feeder]);
        const bool typed = !library || !showsAs(kFeederLossFields[feeder], loss, *library);
        selection.userFeederLoss[feeder] = typed ? 1 : 0;
        if (!typed) {
            loss = *library;
        }
    }
}

} // namespace korvel
