#pragma once
// The Designer forms of the program: one QWidget per form, built from its .ui file and known by
// that file's name (form_page for forms/form_page.ui). Every widget that carries a control number
// is named control_<number>.

#include <span>
#include <string_view>

#include <QString>

#include "platform/dialog_view.h"

class QWidget;

namespace korvel {

// The names of all forms built into the program.
std::span<const std::string_view> builtForms();

// A new widget holding the form's controls; nullptr when no form has that name.
QWidget* createForm(std::string_view file, QWidget* parent);

// The object name of the widget carrying the control number.
QString controlObjectName(ControlId control);

} // namespace korvel
