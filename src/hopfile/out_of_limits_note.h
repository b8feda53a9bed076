#pragma once
// The note that follows a reading with values outside their normal limits, the same for the
// pages and the rain dialog: it names each such field, and a field named once passes from then
// on.

#include <optional>
#include <span>

#include "fields/numeric_entry.h"
#include "hopfile/field_list_notice.h"
#include "hopfile/page_rules.h"

namespace korvel {

struct OutOfLimitsNote {
    FieldListNotice notice; // "Note!", "Values out of normal limits : ", the names, with OK
    PageField last{};       // the field named last: the focus goes there when it is not accepted
};

// Nothing when every reading was in range; else the note over the `listed` fields read out of
// their limits, each now marked warned.
std::optional<OutOfLimitsNote> outOfLimitsNote(NumericEntryState& fields,
                                               std::span<const ListedPageField> listed);

} // namespace korvel
