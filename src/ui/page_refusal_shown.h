#pragma once
// How a page tells the planner why it refuses its fields.

#include "hopfile/page_rules.h"
#include "platform/dialog_view.h"

namespace korvel {

class DialogHost;
class Messages;

// The list dialog over the disabled page (OK disabled), or the message box with its beep; then
// the focus on `focus` when the refusal gives it to the refused field.
void showPageRefusal(Messages& messages, DialogHost& dialogs, DialogView& page,
                     const PageRefusal& refusal, ControlId focus);

} // namespace korvel
