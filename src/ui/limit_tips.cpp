#include "ui/limit_tips.h"

#include <sstream>
#include <string>

namespace korvel {

void showLimitTips(DialogView& view, PageControls controls, const NumericEntryState& fields,
                   double frequencyGHz) {
    for (const PageFieldControl& entry : controls.controls) {
        if (pageFieldRow(entry.field).limited) {
            showLimitTip(view, entry.control, entry.field, fields, frequencyGHz);
        }
    }
}

void showLimitTip(DialogView& view, ControlId control, PageField field,
                  const NumericEntryState& fields, double frequencyGHz) {
    const LimitedRow& row = *pageFieldRow(field).limited;
    // The tip shows the bounds the next reading will use.
    const FieldLimits limits = limitsAtFrequency(row, fields.limits(field), frequencyGHz);
    std::ostringstream tip;
    tip.precision(3);
    tip << row.label << ", " << row.unit << ". Normal range " << limits.lower << " to "
        << limits.upper << ' ' << row.unit << "; a value outside it is asked about once.";
    view.setToolTip(control, tip.str());
}

} // namespace korvel
