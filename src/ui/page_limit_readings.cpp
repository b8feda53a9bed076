#include "ui/page_limit_readings.h"

#include <string_view>
#include <vector>

#include "ui/list_dialog.h"
#include "ui/page.h"

namespace korvel {

void readPageLimits(NumericEntryState& fields, double frequencyGHz, const DialogView& view,
                    const ShownFields& shown, PageControls controls,
                    std::span<const ListedPageField> listed, const PageValues& values) {
    fields.beginReading();
    fields.followFrequency(frequencyGHz);
    for (const ListedPageField& field : listed) {
        const ControlId control = controls.of(field.field);
        if (shown.edited(view, control)) {
            readLimitedNumber(fields, view.text(control), field.field);
        } else {
            readLimitedValue(fields, values[field.field], field.field);
        }
    }
}

bool limitsConfirmed(NumericEntryState& fields, DialogHost& dialogs, DialogView& page,
                     PageControls controls, std::span<const ListedPageField> listed) {
    if (fields.allFieldsInRange()) {
        return true;
    }
    std::vector<std::string_view> names;
    ControlId focus = controls.fallback;
    for (const ListedPageField& field : listed) {
        if (!fields.status(field.field).inRange) {
            names.push_back(field.name);
            fields.markWarned(field.field); // the note below names it
            focus = controls.of(field.field);
        }
    }
    bool confirmed = false;
    {
        const PageDisabled disabled(&page);
        confirmed = runListDialog(dialogs, "Note!", "Values out of normal limits : ", names, true);
    }
    if (!confirmed) {
        page.setFocus(focus);
    }
    return confirmed;
}

} // namespace korvel
