#pragma once
// Every page and dialog of the program, registered once in form_registry.cpp.

#include <memory>
#include <span>
#include <string_view>

#include "platform/dialog_host.h"
#include "platform/dialog_view.h"
#include "platform/main_window_view.h"

namespace korvel {

class Page;
class Session;

enum class ControlKind { Edit, Label, PushButton, RadioButton, CheckBox, List, GroupBox };

struct FormControl {
    ControlId id;
    ControlKind kind;
};

struct RegisteredForm {
    DialogId id;
    // The Designer form src/platform/qt/forms/<file>.ui, named after the presenter.
    std::string_view file;
    // What the scenario transcript calls it ("page Form", "dialog Rain ...").
    std::string_view transcriptName;
    // The controls the presenter uses, by number and kind: the Qt side finds each on the form.
    std::span<const FormControl> controls;
    // A page only: the page command that opens it and how it is made (none for the start panel
    // and the Form page's other layouts), and what the user is told when its form cannot be made.
    Command command{};
    std::unique_ptr<Page> (*makePage)(Session& session) = nullptr;
    std::string_view creationFailure{};
};

std::span<const RegisteredForm> registeredForms();
// An unregistered id has no file and the transcript name "form".
const RegisteredForm& registeredForm(DialogId form);
inline std::string_view formFile(DialogId form) {
    return registeredForm(form).file;
}

// The page a page command opens; nullptr for a command that opens none.
std::unique_ptr<Page> makePage(Command command, Session& session);

} // namespace korvel
