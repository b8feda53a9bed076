#pragma once
// The tooltips of the fields read against normal limits: what the field holds, its unit and the
// range that passes without a note, as the limits stand for the hop's frequency.

#include "fields/numeric_entry.h"
#include "fields/page_field_table.h"
#include "platform/dialog_view.h"
#include "ui/page_field_controls.h"

namespace korvel {

// Sets the tip of every limited field among a page's controls.
void showLimitTips(DialogView& view, PageControls controls, const NumericEntryState& fields,
                   double frequencyGHz);
// Sets the tip of one limited field's control.
void showLimitTip(DialogView& view, ControlId control, PageField field,
                  const NumericEntryState& fields, double frequencyGHz);

} // namespace korvel
