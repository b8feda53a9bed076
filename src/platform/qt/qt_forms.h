#pragma once
// The Designer forms of the program: one QWidget per form, built from its .ui file. Every widget
// that carries a control number is named control_<number>.

#include <span>

#include <QString>

#include "platform/dialog_host.h"
#include "platform/dialog_view.h"

class QWidget;

namespace korvel {

// The forms that exist so far, in template order.
std::span<const DialogId> availableForms();

// A new widget holding the form's controls; nullptr for a form that does not exist yet.
QWidget* createForm(DialogId form, QWidget* parent);

// The object name of the widget carrying the control number.
QString controlObjectName(ControlId control);

} // namespace korvel
