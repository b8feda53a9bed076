#pragma once
// Which page each page command opens, and what the user is told when it cannot be made.

#include <memory>
#include <string_view>

#include "platform/main_window_view.h"
#include "ui/page.h"

namespace korvel {

class Session;

// nullptr for a page that does not exist yet (the route screen, the hop box).
std::unique_ptr<Page> makePage(Command command, Session& session);

// The message shown when the form cannot be made; empty for the start panel.
std::string_view pageCreationFailure(DialogId form);

} // namespace korvel
