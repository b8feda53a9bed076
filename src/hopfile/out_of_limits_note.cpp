#include "hopfile/out_of_limits_note.h"

namespace korvel {

std::optional<OutOfLimitsNote> outOfLimitsNote(NumericEntryState& fields,
                                               std::span<const ListedPageField> listed) {
    if (fields.allFieldsInRange()) {
        return std::nullopt;
    }
    OutOfLimitsNote note{{"Note!", "Values out of normal limits : ", {}, true}};
    for (const ListedPageField& field : listed) {
        if (!fields.status(field.field).inRange) {
            note.notice.names.push_back(field.name);
            fields.markWarned(field.field);
            note.last = field.field;
        }
    }
    return note;
}

} // namespace korvel
