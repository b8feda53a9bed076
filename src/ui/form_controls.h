#pragma once
// The controls each presenter uses on each form, by number and kind. The Qt side checks that
// every one exists on its .ui form with the right kind.

#include <span>

#include "platform/dialog_host.h"
#include "platform/dialog_view.h"

namespace korvel {

enum class ControlKind { Edit, Label, PushButton, RadioButton, CheckBox, List, GroupBox };

struct FormControl {
    ControlId id;
    ControlKind kind;
};

// Empty for a form no presenter uses yet.
std::span<const FormControl> formControls(DialogId form);

} // namespace korvel
