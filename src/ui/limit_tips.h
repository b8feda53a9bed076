#pragma once
// The tooltips of the fields read against normal limits: what the field holds, its unit and the
// range that passes without a note, as the limits table gives it for the hop's frequency.

#include "fields/numeric_entry.h"
#include "platform/dialog_view.h"

namespace korvel {

// Sets the tip of every limited field the view carries (the others ignore it).
void showLimitTips(DialogView& view, const NumericEntryState& fields, double frequencyGHz);

} // namespace korvel
