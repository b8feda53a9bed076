#pragma once
// The list dialog a page or dialog opens over its refused fields: a title, a heading, the names
// of the fields, and whether OK is offered (a note the user may accept) or not (an error).

#include <functional>
#include <string_view>
#include <vector>

namespace korvel {

struct FieldListNotice {
    std::string_view title;   // "Error!" or "Note!"
    std::string_view heading; // "Invalid data : " or "Values out of normal limits : "
    std::vector<std::string_view> names;
    bool okEnabled = false;
};

// Shows the list dialog; true when the user pressed OK.
using ShowFieldList = std::function<bool(const FieldListNotice&)>;

} // namespace korvel
