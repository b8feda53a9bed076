#pragma once
// The text a page shows for a field's value: every page fills its fields through this one
// function, so a field reads the same wherever its value is written.

#include <string>

#include "fields/page_field_table.h"

namespace korvel {

// The value with the field's decimals, or rounded to a whole number for a field typed as one.
[[nodiscard]] std::string pageFieldText(PageField field, double value);

} // namespace korvel
