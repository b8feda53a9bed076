#pragma once
// A page's fields read against their normal limits, and the one note that names those outside.

#include <span>

#include "fields/numeric_entry.h"
#include "hopfile/page_rules.h"
#include "platform/dialog_host.h"
#include "ui/page_field_controls.h"
#include "ui/shown_fields.h"

namespace korvel {

// Reads the `listed` fields for the hop's frequency: an edited field from its text, the others
// from the value they hold.
void readPageLimits(NumericEntryState& fields, double frequencyGHz, const DialogView& view,
                    const ShownFields& shown, PageControls controls,
                    std::span<const ListedPageField> listed, const PageValues& values);

// When a reading was out of its limits: the list "Note!", "Values out of normal limits : " with
// OK over the disabled page, naming each such field (from now on accepted without a note). True
// when every reading was in range or the planner pressed OK; else the focus goes to the last
// field named.
bool limitsConfirmed(NumericEntryState& fields, DialogHost& dialogs, DialogView& page,
                     PageControls controls, std::span<const ListedPageField> listed);

} // namespace korvel
