#include "ui/page_limit_readings.h"

#include <string_view>
#include <vector>

#include "hopfile/out_of_limits_note.h"
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
    const std::optional<OutOfLimitsNote> note = outOfLimitsNote(fields, listed);
    if (!note) {
        return true;
    }
    bool confirmed = false;
    {
        const PageDisabled disabled(&page);
        const FieldListNotice& notice = note->notice;
        confirmed =
            runListDialog(dialogs, notice.title, notice.heading, notice.names, notice.okEnabled);
    }
    if (!confirmed) {
        page.setFocus(controls.of(note->last));
    }
    return confirmed;
}

} // namespace korvel
