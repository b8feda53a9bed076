#pragma once
// The limited fields a page names in the list dialog, and the names it lists for a refusal.

#include <span>
#include <string_view>
#include <vector>

#include "fields/numeric_entry.h"
#include "platform/dialog_view.h"

namespace korvel {

struct ListedField {
    LimitedField field;
    std::string_view name;
    ControlId control; // takes the focus when the field is the last one named
};

struct ListedNames {
    std::vector<std::string_view> names;
    ControlId focus;
};

// The names of the fields `named` picks, in the order given; the focus goes to the last one
// named, else stays `focus`.
template <typename Named>
ListedNames listedNames(std::span<const ListedField> fields, ControlId focus, Named named) {
    ListedNames listed{{}, focus};
    for (const ListedField& field : fields) {
        if (named(field)) {
            listed.names.push_back(field.name);
            listed.focus = field.control;
        }
    }
    return listed;
}

} // namespace korvel
