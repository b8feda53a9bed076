#pragma once
// The list dialog: names the fields whose values are invalid ("Error!") or outside their normal
// limits ("Note!"). The caller disables its page while it runs.

#include <cstddef>
#include <span>
#include <string_view>

#include "platform/dialog_host.h"

namespace korvel {

inline constexpr ControlId kListHeadingLabel = 1400;
inline constexpr ControlId kListFirstNameLabel = 1401;
inline constexpr int kListShownNames = 6;
inline constexpr std::size_t kListNameLength = 25;

// Shows the first six names (each cut to 25 characters) under the heading, with OK enabled or
// not and the focus on Cancel. True when the user pressed OK.
bool runListDialog(DialogHost& dialogs, std::string_view title, std::string_view heading,
                   std::span<const std::string_view> names, bool okEnabled);

} // namespace korvel
