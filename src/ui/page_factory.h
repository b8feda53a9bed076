#pragma once
// Which page each page command opens, and what the user is told when it cannot be made.

#include <memory>
#include <string_view>

#include "platform/main_window_view.h"
#include "ui/page.h"

namespace korvel {

class Session;

// The page a page command opens.
std::unique_ptr<Page> makePage(Command command, Session& session);

// The message shown when the form cannot be made; empty for the start panel.
std::string_view pageCreationFailure(DialogId form);

} // namespace korvel
