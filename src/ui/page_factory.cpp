#include "ui/page_factory.h"

#include "ui/basics_page.h"
#include "ui/hop_box_page.h"
#include "ui/form_page.h"
#include "ui/radio_page.h"
#include "ui/route_screen_page.h"

namespace korvel {

std::unique_ptr<Page> makePage(Command command, Session& session) {
    switch (command) {
    case Command::RadioPage:
        return std::make_unique<RadioPage>(session);
    case Command::BasicsPage:
        return std::make_unique<BasicsPage>(session);
    case Command::RouteScreen:
        return std::make_unique<RouteScreenPage>(session);
    case Command::HopBox:
        return std::make_unique<HopBoxPage>(session);
    case Command::FormPage:
        return std::make_unique<FormPage>(session);
    default:
        return nullptr;
    }
}

std::string_view pageCreationFailure(DialogId form) {
    switch (form) {
    case DialogId::RadioPage:
        return "Low on memory : cannot not create Radiobox";
    case DialogId::BasicsPage:
        return "Low on memory: cannot not create Basicbox";
    case DialogId::FormNoDiversity:
    case DialogId::FormSpaceDiversity:
    case DialogId::FormFrequencyDiversity:
        return "Low on memory : cannot not create Formbox";
    case DialogId::RouteScreen:
        return "Low on memory : cannot not create Routebox";
    case DialogId::HopBox:
        return "Low on memory : cannot not create Hopbox";
    default:
        return {};
    }
}

} // namespace korvel
