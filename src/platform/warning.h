#pragma once
// The beep, then the warning box that most refusals of a file or a value show.

#include <string_view>

#include "platform/messages.h"

namespace korvel {

inline void warn(Messages& messages, std::string_view text) {
    messages.beep();
    messages.show(text, kAppCaption, MessageIcon::Exclamation, MessageButtons::Ok);
}

} // namespace korvel
