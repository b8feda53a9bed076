#pragma once
// How a page tells the planner why it refuses its fields.

#include "hopfile/page_rules.h"
#include "platform/dialog_view.h"

namespace korvel {

class Session;

// The list dialog over the disabled page (OK disabled), or the message box with its beep; then
// the focus on `focus` when the refusal gives it to the refused field.
void showPageRefusal(Session& session, DialogView& page, const PageRefusal& refusal,
                     ControlId focus);

} // namespace korvel
