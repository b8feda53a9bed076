#pragma once
// Texts are stored as Windows-1252: a text the planner typed with a character it cannot hold is
// refused by name, rather than stored with "?" while the page still shows the character.

#include <span>
#include <string_view>

#include "platform/dialog_view.h"

namespace korvel {

class Messages;

struct NamedTextField {
    ControlId control;
    std::string_view name;
};

// The message for the first field whose text does not fit, with the focus back on it; false then.
bool textsFitOrRefuse(Messages& messages, DialogView& view, std::span<const NamedTextField> fields);

} // namespace korvel
